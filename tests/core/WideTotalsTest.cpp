// Totals beyond the stored range: the listing, the report and the summary
// export add the largest amounts exactly and show every digit.
#include <gtest/gtest.h>

#include <limits>

#include "core/ItemListSummary.h"
#include "export/CommaFileText.h"
#include "core/ReportCategoryList.h"
#include "reports/ReportText.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

TEST(WideTotals, TheLargestAmountsAddUpExactlyEverywhere) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const std::vector<LedgerRecord> ledger = {Line("03-01-99", "SA", kMax, "a"), Line("03-01-99", "SA", kMax, "b"),
                                              Line("03-01-99", "FD", kMin, "c")};
    const std::vector<CategoryRecord> chosen =
        ReportCategoryRecords({CategoryRecord::Make("SA", "Salary"), CategoryRecord::Make("FD", "Food")});
    const MoneyFormat money = MoneyFormat::Reference();
    const ItemListSummary summary = SummarizeLedger(ledger, {}, kAllCategories, "1999", money);
    ReportOptions options;
    options.reportType = "F";
    options.ledgerFileName = "1999TSM.DAT";
    options.money = money;
    const ReportText report = BuildReport(chosen, EncodeRecords(ledger), options);
    const std::string exported = SummaryExportText(chosen, EncodeRecords(ledger), money);

    const std::pair<std::string, std::string> cases[] = {
        {summary.incomeText, "  Income = $1,844,674,407,370,955.16  "},
        {summary.expenseText, "  Expense = ($922,337,203,685,477.58)  "},
        {summary.balanceText, "  Balance = $922,337,203,685,477.58  "},
        {report.status.income, "(2 Items) Income = $1,844,674,407,370,955.16 "},
        {report.status.expense, "(1 Items) Expense = ($922,337,203,685,477.58) "},
        {report.status.balance.value_or(""), "Balance = $922,337,203,685,477.58 "},
        {exported, "income\r\n\"SA\",\" 1844674407370955.1614 \"\r\nexpense\r\n\"FD\",\" 922337203685477.5808 \"\r\n"},
    };
    for (const auto& [produced, expected] : cases) EXPECT_EQ(produced, expected);
    for (const std::string& line : std::vector<std::string>{"\r\nA SURPLUS of    $922,337,203,685,477.58\r\n",
                                   "\r\nFood            $922,337,203,685,477.58  (  100%)  " + std::string(26, '|'),
                                   "\r\nTotal Income    $1,844,674,407,370,955.16\r\n",
                                   "\r\n 03-01-99  $922,337,203,685,477.58\tc"})
        EXPECT_NE(report.text.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace tessamo
