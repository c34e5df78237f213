// End to end: tessamo-cli "budget" shows, sets, clears and copies budgets.
#include <gtest/gtest.h>

#include "budgets/BudgetFixture.h"
#include "cli/CliFixture.h"
#include "support/ExpectedFile.h"

namespace tessamo {
namespace {

class CliBudget : public CliFolderTest {
protected:
    CliRun Run(const std::vector<std::string>& args) { return RunCli(t.folder.path(), args, "03-20-2026"); }
    TestEnv t{{3, 20, 2026}};
};

TEST_F(CliBudget, ShowsMonthAndYearAsCsvAndTable) {
    PutSampleYear(t);
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"budget", "--month", "3", "--csv"}, "budgets/march.csv"},
        {{"budget", "--csv"}, "budgets/year.csv"},
        {{"budget"}, "budgets/year.txt"}};
    for (const auto& [args, expected] : cases) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, ExpectedFile(expected)) << expected;
    }
}

TEST_F(CliBudget, NoBudgetsGiveAnEmptyListOrTheHeaderAlone) {
    t.PutCategories({CategoryRecord::Make("GR", "Groceries")});
    const CliRun table = Run({"budget"});
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_EQ(table.out, "");
    const CliRun csv = Run({"budget", "--csv", "--month", "12"});
    EXPECT_EQ(csv.out, "Code,Description,Budget,Actual,Left,Used\n");
    EXPECT_FALSE(t.folder.Exists("2026BUDGET.DAT"));
}

TEST_F(CliBudget, SetAndClearChangeOnlyWhatTheySay) {
    PutSampleYear(t);
    const struct {
        std::vector<std::string> args;
        int exitCode;
    } cases[] = {
        {{"budget", "set", "gr", "250", "--month", "4"}, 0},
        {{"budget", "set", "SA", "1,000.50", "--income"}, 0},
        {{"budget", "clear", "RE", "--month", "1"}, 0},
        {{"budget", "clear", "ZZ"}, 0},  // a code without category is cleared by its code
        {{"budget", "set", "GR", "-250"}, 2},
        {{"budget", "set", "GR", "0"}, 2},
        {{"budget", "set", "GR", "abc"}, 2},
        {{"budget", "set", "GR", "10", "--month", "13"}, 2},
        {{"budget", "set", "GR"}, 2},
        {{"budget", "bogus"}, 2},
        {{"budget", "--from-year", "2025"}, 2},
        {{"budget", "set", "QQ", "10"}, 1},  // the year does not list QQ
        {{"budget", "clear", "QQ"}, 1},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args[1] << " " << run.err;
        EXPECT_TRUE(c.exitCode != 2 || run.out.empty()) << run.out;
    }
    YearBudgets budgets;
    ASSERT_TRUE(LoadBudgets(t.files, "2026", budgets).ok());
    EXPECT_EQ((*budgets.Find("GR"))[3], Money(-250));
    EXPECT_EQ((*budgets.Find("GR"))[4], Money(-200));
    EXPECT_EQ((*budgets.Find("SA"))[0], Money(1000.5));
    EXPECT_EQ((*budgets.Find("RE"))[0], std::nullopt);
    EXPECT_EQ((*budgets.Find("RE"))[1], Money(-1000));
    EXPECT_EQ(budgets.Find("ZZ"), nullptr);
}

TEST_F(CliBudget, CopyAsksBeforeReplacingAndNamesSkippedCodes) {
    PutSampleYear(t);
    t.state.SetActiveYear("2025");
    t.PutLedger({Line("05-01-25", "GR", Money(-1200)), Line("05-01-25", "OL", Money(-12))});
    const std::string before = t.folder.Read("2026BUDGET.DAT");
    const CliRun asked = Run({"budget", "copy", "--from-year", "2025", "--actual"});
    EXPECT_EQ(asked.exitCode, 2);
    EXPECT_EQ(t.folder.Read("2026BUDGET.DAT"), before);

    const CliRun copied = Run({"--yes", "budget", "copy", "--from-year", "2025", "--actual"});
    EXPECT_EQ(copied.exitCode, 0) << copied.err;
    EXPECT_NE(copied.err.find("Skipped \"OL\""), std::string::npos) << copied.err;
    const CliRun shown = Run({"budget", "--csv", "--month", "3"});
    EXPECT_EQ(shown.out, "Code,Description,Budget,Actual,Left,Used\nGR,\"Food, \"\"home\"\"\",-100.00,-190.00,90.00,190.0\n");

    // The year without budgets copies without asking; a year without budgets gives none.
    const CliRun empty = Run({"--yes", "budget", "copy", "--from-year", "2024"});
    EXPECT_EQ(empty.exitCode, 0) << empty.err;
    EXPECT_EQ(Run({"budget"}).out, "");
}

}  // namespace
}  // namespace tessamo
