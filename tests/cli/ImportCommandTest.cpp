// End to end: tessamo-cli import on a prepared 2026 folder.
#include <gtest/gtest.h>

#include "cli/CliFixture.h"
#include "support/ExpectedFile.h"

namespace tessamo {
namespace {

class ImportCommandTest : public CliFolderTest {
protected:
    void SetUp() override {
        CliFolderTest::SetUp();
        if (IsSkipped()) return;
        t.folder.Write("2026CATS.DAT", EncodeRecords(std::vector<CategoryRecord>{
                                           CategoryRecord::Make("FE", "Fees"), CategoryRecord::Make("GR", "Groceries"),
                                           CategoryRecord::Make("MI", "Misc"), CategoryRecord::Make("RE", "Rent"),
                                           CategoryRecord::Make("SA", "Salary")}));
        t.folder.Write("import-rules.txt", ExpectedFile("import/rules.txt"));
    }
    CliRun Import(const char* file, std::vector<std::string> options = {}) {
        options.insert(options.begin(), {"import", std::string(TESSAMO_TEST_DATA) + "/import/" + file});
        return RunCli(t.folder.path(), options, "03-20-2026");
    }
    std::string Ledger() const { return t.folder.Read("2026TSM.DAT"); }
};

TEST_F(ImportCommandTest, DryRunPrintsThePreviewAndWritesNothing) {
    const CliRun run = Import("bom_linebreak.csv", {"--dry-run", "--default-code", "mi"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, ExpectedFile("import/dry_run.txt"));
    EXPECT_EQ(Ledger(), "");
}

TEST_F(ImportCommandTest, ASecondImportEntersNothing) {
    const CliRun first = Import("bank_102.ofx");
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, "4 entered, 0 skipped, 0 refused.\n");
    const std::string once = Ledger();
    EXPECT_EQ(once.size(), 4 * LedgerRecord::kSize);
    const CliRun second = Import("bank_102.ofx");
    EXPECT_EQ(second.out, "0 entered, 4 skipped, 0 refused.\n");
    EXPECT_EQ(Ledger(), once);
}

TEST_F(ImportCommandTest, BadLinesStopTheImportUnlessSkipped) {
    const CliRun refused = Import("bad_lines.csv", {"--default-code", "MI"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "tessamo-cli: import: line 3: \"31.02.2026\" is no day of the calendar (order dmy)\n"
                           "tessamo-cli: import: line 5: unreadable amount: 1,2,3 (two decimal marks \",\")\n"
                           "tessamo-cli: import: nothing was written; give --skip-bad to leave those lines out.\n");
    EXPECT_FALSE(t.folder.Exists("2026TSM.DAT"));
    const CliRun skipped = Import("bad_lines.csv", {"--default-code", "MI", "--skip-bad"});
    EXPECT_EQ(skipped.exitCode, 0);
    EXPECT_EQ(skipped.out, "3 entered, 0 skipped, 2 refused.\n");
}

TEST_F(ImportCommandTest, ACodeWithoutACategoryStopsTheImport) {
    const CliRun refused = Import("comma_point.csv", {"--default-code", "zz"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "tessamo-cli: import: there is no category \"ZZ\" in 2026CATS.DAT (1 line); add it with the "
                           "category editor, or change the rule or --default-code.\n"
                           "tessamo-cli: import: nothing was written.\n");
    EXPECT_FALSE(t.folder.Exists("2026TSM.DAT"));
}

TEST_F(ImportCommandTest, OtherYearsNeedAYesAndArgumentsAreChecked) {
    EXPECT_EQ(Import("card_151.qfx", {"--default-code", "MI"}).exitCode, 2);
    EXPECT_FALSE(t.folder.Exists("2026TSM.DAT"));
    const CliRun agreed = RunCli(t.folder.path(), {"--yes", "import", std::string(TESSAMO_TEST_DATA) + "/import/card_151.qfx",
                                                   "--default-code", "MI"}, "03-20-2026");
    EXPECT_EQ(agreed.out, "4 entered, 0 skipped, 0 refused.\n");
    EXPECT_EQ(t.folder.Read("2025TSM.DAT").size(), LedgerRecord::kSize);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--format", "xls"},
                                                {"--date-order", "dym"}, {"--default-code", "ABC"}})
        EXPECT_EQ(Import("comma_point.csv", bad).exitCode, 2) << bad[0];
    EXPECT_EQ(Import("missing.csv").exitCode, 2);
}

}  // namespace
}  // namespace tessamo
