// The chart of a report holds the report's own numbers: each summary row is a
// line of the report's summary (same subtotal, percentage and bars, in the
// same order), and the months add up to the report's totals.
#include <gtest/gtest.h>

#include "charts/ReportChart.h"
#include "core/FixedText.h"
#include "core/ReportCategoryList.h"
#include "reports/ReportFields.h"
#include "reports/ReportText.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

struct ChartCase {
    const char* name;
    std::vector<LedgerRecord> ledger;
    std::size_t expenseRows, incomeRows;
};

const std::vector<CategoryRecord> kChosen = {CategoryRecord::Make("FD", "Food"), CategoryRecord::Make("AU", "Auto"),
                                             CategoryRecord::Make("SA", "Salary"), CategoryRecord::Make("GI", "Gifts")};

std::string SummaryLine(const SummaryRow& row, const MoneyFormat& money) {
    return FixedWidth(row.category.Name, 16) + AmountField(row.subtotal, money) + "  (" +
           PercentageField(row.pctHundredths, money) + "%)  " + std::string(static_cast<std::size_t>(row.bars), '|');
}

// The rows' lines stand in the report in order, after the section's title.
void ExpectInReport(const std::string& report, const char* title, const std::vector<SummaryRow>& rows) {
    std::size_t at = report.find(title);
    ASSERT_NE(at, std::string::npos) << title;
    for (const SummaryRow& row : rows) {
        at = report.find("\r\n" + SummaryLine(row, MoneyFormat::Reference()) + "\r\n", at);
        ASSERT_NE(at, std::string::npos) << SummaryLine(row, MoneyFormat::Reference());
    }
}

class ReportChartTest : public ::testing::TestWithParam<ChartCase> {};

TEST_P(ReportChartTest, HoldsTheReportsSubtotalsPercentagesAndMonths) {
    const ChartCase& c = GetParam();
    const std::string ledger = EncodeRecords(c.ledger);
    const ReportChartData chart = BuildReportChart(kChosen, ledger, ReportChartChoice{2, 11, "A"});
    ReportOptions options;
    options.startMonth = 2;
    options.endMonth = 11;
    options.ledgerFileName = "1999TSM.DAT";
    const std::string report = BuildReport(ReportCategoryRecords(kChosen), ledger, options).text;

    EXPECT_EQ(chart.expense.size(), c.expenseRows);
    EXPECT_EQ(chart.income.size(), c.incomeRows);
    ExpectInReport(report, "--- Summary of money that went OUT ---", chart.expense);
    ExpectInReport(report, "--- Summary of money that came IN ---", chart.income);
    EXPECT_NE(report.find("Total Expense   " + AmountField(chart.expenseTotal, MoneyFormat::Reference())),
              std::string::npos);

    ASSERT_EQ(chart.months.size(), 10u);  // February through November
    AmountSum income = 0, expense = 0;
    for (const MonthTotals& month : chart.months) {
        income += month.income;
        expense += month.expense;
        EXPECT_EQ(month.balance, month.income - month.expense);
    }
    EXPECT_EQ(income, chart.incomeTotal);
    EXPECT_EQ(expense, chart.expenseTotal);
}

INSTANTIATE_TEST_SUITE_P(
    Ledgers, ReportChartTest,
    ::testing::Values(
        ChartCase{"BothSections",
                  {Line("02-01-99", "FD", Money(-100)), Line("03-01-99", "AU", Money(-200)),
                   Line("03-05-99", "FD", Money(-33.33)), Line("05-01-99", "SA", Money(1500)),
                   Line("06-01-99", "GI", Money(20)), Line("01-09-99", "FD", Money(-999)),  // outside the months
                   Line("07-01-99", "XX", Money(-5)), Line("08-01-99", "GI", 0)},
                  2, 2},
        ChartCase{"EmptyIncome", {Line("04-01-99", "FD", Money(-10)), Line("09-01-99", "AU", Money(-30))}, 2, 0},
        ChartCase{"SingleCategory", {Line("11-30-99", "SA", Money(42))}, 0, 1},
        ChartCase{"EqualTotals",
                  {Line("02-01-99", "SA", Money(100)), Line("02-02-99", "FD", Money(-60)),
                   Line("10-02-99", "AU", Money(-40))},
                  2, 1}),
    [](const ::testing::TestParamInfo<ChartCase>& info) { return std::string(info.param.name); });

TEST(ReportChartTitleTest, NamesYearAndMonths) {
    EXPECT_EQ(ReportChartTitle("1999", 3, 11), "Tessamo 2.1 - Chart of 1999, March through November");
}

}  // namespace
}  // namespace tessamo
