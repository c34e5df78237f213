// The budget file: what is written reads back the same, a damaged file is
// reported with its line, and a failed write keeps the old file.
#include <gtest/gtest.h>

#include "budgets/BudgetChange.h"
#include "budgets/BudgetFile.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

TEST(BudgetFile, RoundTripKeepsEveryCodeAndMonthExactly) {
    YearBudgets budgets;
    budgets.Set("A ", 0, -1);                       // a blank in the code, one ten-thousandth
    budgets.Set("%\t", 2, Money(1234.5));           // bytes that are escaped
    budgets.Set("\xE9Z", 12, INT64_MIN + 1);        // a Windows-1252 letter, the lowest amount
    budgets.Set("GR", 0, Money(-200));
    budgets.Set("GR", 5, std::nullopt);             // one month without a budget
    budgets.Set("XX", 0, Money(1));
    budgets.Set("XX", 0, std::nullopt);             // cleared entirely: gone
    const std::string text = budgets.FileText();
    EXPECT_NE(text.find("\nA%20\t-0.0001\t"), std::string::npos) << text;
    EXPECT_NE(text.find("\nGR\t-200\t-200\t-200\t-200\t-\t-200"), std::string::npos) << text;
    YearBudgets read;
    ASSERT_TRUE(read.ReadText(text, "2026BUDGET.DAT").ok());
    EXPECT_EQ(read, budgets);
    EXPECT_EQ(read.All().size(), 4u);
}

TEST(BudgetFile, DamagedFileIsReportedWithItsLineNotReadAsEmpty) {
    const std::string good = "tessamo budgets 1\n";
    const std::string months = "\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-";
    const std::pair<std::string, std::string> cases[] = {
        {"GR\t1" + months + "\n", "line 1"},                          // no format line
        {good + "GR\t1x" + months + "\n", "line 2: month 1"},
        {good + "GR\t1.23456" + months + "\n", "line 2: month 1"},  // five decimals
        {good + "GR\t99999999999999999" + months + "\n", "line 2: month 1"},
        {good + "GR\t1\t2\n", "line 2: a code and twelve"},
        {good + "G\t1" + months + "\n", "line 2: a two-character code"},
        {good + "G%2\t1" + months + "\n", "line 2: a two-character code"},
        {good + "GR\t1" + months + "\nGR\t2" + months + "\n", "line 3: the code is listed twice"},
        {good + "GR\t1" + months, "cut off"},                          // the last line lost its end
        {good + "\n", "line 2"},
    };
    for (const auto& [text, fault] : cases) {
        YearBudgets budgets;
        budgets.Set("OL", 0, 1);
        const Status s = budgets.ReadText(text, "2026BUDGET.DAT");
        EXPECT_TRUE(s.IsCorruption()) << text;
        EXPECT_NE(s.ToString().find("2026BUDGET.DAT: damaged budget file"), std::string::npos) << s.ToString();
        EXPECT_NE(s.ToString().find(fault), std::string::npos) << s.ToString();
        EXPECT_TRUE(budgets.empty());
    }
}

TEST(BudgetFile, MissingFileHoldsNoBudgetsAndAFailedWriteKeepsTheOldFile) {
    TestEnv t({3, 20, 2026});
    YearBudgets budgets;
    ASSERT_TRUE(LoadBudgets(t.files, "2026", budgets).ok());
    EXPECT_TRUE(budgets.empty());
    ASSERT_TRUE(ChangeBudget(t.files, "2026", "GR", 0, Money(-200)).ok());
    const std::string before = t.folder.Read("2026BUDGET.DAT");
    t.files.Fail(FaultyFileSystem::Op::Replace);
    const Status failed = ChangeBudget(t.files, "2026", "GR", 3, Money(-300));
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.fileName(), "2026BUDGET.DAT");
    EXPECT_EQ(t.folder.Read("2026BUDGET.DAT"), before);
    t.files.Heal();
    // A damaged file is not overwritten by a change.
    t.folder.Write("2026BUDGET.DAT", "garbage\n");
    EXPECT_TRUE(ChangeBudget(t.files, "2026", "GR", 3, Money(-300)).IsCorruption());
    EXPECT_EQ(t.folder.Read("2026BUDGET.DAT"), "garbage\n");
    EXPECT_FALSE(t.folder.Exists("tempbudg.$$$"));
}

}  // namespace
}  // namespace tessamo
