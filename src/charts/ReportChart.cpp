#include "charts/ReportChart.h"

#include "core/Dates.h"
#include "core/LedgerBytes.h"
#include "core/ReportCategoryList.h"
#include "platform/Dialogs.h"
#include "platform/FileErrors.h"
#include "reports/ReportSelection.h"

namespace tessamo {
namespace {

// Adds each line's amount to its month's field; every selected line is in range.
void AddByMonth(const std::vector<WorkingLine>& lines, const ReportChartChoice& choice,
                std::vector<MonthTotals>& months, AmountSum MonthTotals::*field) {
    for (const WorkingLine& line : lines) {
        const int month = static_cast<int>(MonthOfDate(line.record.Date(), choice.dateStyle));
        months[static_cast<std::size_t>(month - choice.startMonth)].*field += line.amount();
    }
}

}  // namespace

ReportChartData BuildReportChart(const std::vector<CategoryRecord>& chosen, std::string_view ledger,
                                 const ReportChartChoice& choice) {
    const std::vector<CategoryRecord> categories = ReportCategoryRecords(chosen);
    const ReportSelection selection =
        SelectReportRecords(categories, LedgerBytesView(ledger), choice.startMonth, choice.endMonth, choice.dateStyle);
    ReportChartData chart;
    TotalUp(selection.expense, chart.expenseTotal);
    TotalUp(selection.income, chart.incomeTotal);
    chart.expense = SummaryRows(categories, selection.expense, chart.expenseTotal);
    chart.income = SummaryRows(categories, selection.income, chart.incomeTotal);
    for (int month = choice.startMonth; month <= choice.endMonth; ++month) chart.months.push_back(MonthTotals{month});
    AddByMonth(selection.income, choice, chart.months, &MonthTotals::income);
    AddByMonth(selection.expense, choice, chart.months, &MonthTotals::expense);
    for (MonthTotals& month : chart.months) month.balance = month.income - month.expense;
    return chart;
}

Result<ReportChartData> MakeReportChart(const SharedState& state, const std::vector<CategoryRecord>& chosen,
                                        int begmo, int endmo) {
    std::string ledger;
    if (Status s = TellIfFailed(state.env.dialogs, state.env.files.ReadAll(state.LedgerFileName, ledger)); !s.ok())
        return s;
    return BuildReportChart(chosen, ledger, ReportChartChoice{begmo, endmo, state.DateStyle});
}

std::string ReportChartRange(const std::string& year, int startMonth, int endMonth) {
    return year + ", " + MonthName(startMonth) + " through " + MonthName(endMonth);
}

std::string ReportChartTitle(const std::string& year, int startMonth, int endMonth) {
    return std::string(kProgramTitle) + " - Chart of " + ReportChartRange(year, startMonth, endMonth);
}

}  // namespace tessamo
