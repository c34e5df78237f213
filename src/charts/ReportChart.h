#pragma once
// What the chart window of a report draws, from the same choice of
// categories and months as View: the two summary sections as the report's
// text has them (same subtotals, percentages and bar lengths), and income and
// expense month by month over the chosen range with the running balance.
// Pure: the chosen categories and the ledger's bytes come in as values.
#include <string>
#include <string_view>
#include <vector>

#include "core/Amounts.h"
#include "core/Records.h"
#include "core/SharedState.h"
#include "platform/Result.h"
#include "reports/ReportSummary.h"

namespace tessamo {

struct MonthTotals {
    int month = 1;           // 1..12
    AmountSum income = 0;
    AmountSum expense = 0;   // positive, as the report shows it
    AmountSum balance = 0;   // income less expense of this month
};

struct ReportChartData {
    std::vector<SummaryRow> expense;  // money out, in the report's order
    std::vector<SummaryRow> income;   // money in
    AmountSum expenseTotal = 0;
    AmountSum incomeTotal = 0;
    std::vector<MonthTotals> months;  // startMonth..endMonth, every month listed
};

struct ReportChartChoice {
    int startMonth = 1;
    int endMonth = 12;
    std::string dateStyle = "A";
};

// `chosen` are the report's categories in list order (no blank record).
ReportChartData BuildReportChart(const std::vector<CategoryRecord>& chosen, std::string_view ledger,
                                 const ReportChartChoice& choice);

// The chart of the active year's ledger for the window's choice; AlreadyTold
// when the ledger cannot be read (the user was told, with the file and reason).
Result<ReportChartData> MakeReportChart(const SharedState& state, const std::vector<CategoryRecord>& chosen,
                                        int begmo, int endmo);

// "1999, January through December".
std::string ReportChartRange(const std::string& year, int startMonth, int endMonth);
// "Tessamo 2.1 - Chart of 1999, January through December".
std::string ReportChartTitle(const std::string& year, int startMonth, int endMonth);

}  // namespace tessamo
