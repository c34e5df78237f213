// End to end: tessamo-cli "report" and "export" on a prepared folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliFixture.h"
#include "reports/MakeReport.h"
#include "support/ExpectedFile.h"

namespace tessamo {
namespace {

class CliReportExport : public CliFolderTest {
protected:
    void SetUp() override {
        CliFolderTest::SetUp();
        if (IsSkipped()) return;
        t.PutCategories({CategoryRecord::Make("FD", "Food"), CategoryRecord::Make("SA", "Salary")});
        t.PutLedger({Line("04-01-99", "SA", Money(1000), "Pay"), Line("03-02-99", "FD", Money(-12.5), "Bread \"white\""),
                     Line("01-20-99", "FD", 0, "Coupons \xE9t\xE9")});
    }
    void ExpectNoWorkingFiles() {
        for (const std::string& name : ReportWorkingFiles()) EXPECT_FALSE(t.folder.Exists(name)) << name;
    }
};

TEST_F(CliReportExport, ReportWritesTheTextAndTheStatusTexts) {
    CliRun run = Run({"report", "fd", "SA", "FD", "--from", "march", "--to", "4", "--full"});  // FD once
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 71), "Cashflow Record for Your Name (click Options)      Printed: 03-15-1999\n");
    EXPECT_NE(run.out.find("\nRecords found span :  3/99 through 4/99, inclusive.\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n 03-02-99            $12.50\tBread \"white\""), std::string::npos);
    EXPECT_EQ(run.out.find("Coupons"), std::string::npos);  // January lies outside the range
    EXPECT_EQ(run.out.substr(run.out.size() - 7), "\n  END\n");
    EXPECT_EQ(run.err, "(1 Items) Income = $1,000.00 \n(1 Items) Expense = ($12.50) \nBalance = $987.50 \n");
    ExpectNoWorkingFiles();

    CliRun exact = Run({"report", "--crlf"});
    ASSERT_EQ(exact.exitCode, 0) << exact.err;
    EXPECT_NE(exact.out.find("\r\n 01-20-99   FD  Coupons \xC3\xA9t\xC3\xA9"), std::string::npos);  // UTF-8
    EXPECT_EQ(exact.out.substr(exact.out.size() - 8), "-\r\n  END");
    EXPECT_EQ(exact.out.find("Line items"), std::string::npos);
}

// Lines whose code no category holds (a category deleted with its lines
// kept) count in the main window's totals, so "all" reports and exports them
// under their code; chosen categories stay without them.
TEST_F(CliReportExport, AllCategoriesTakeLinesOfUnlistedCodes) {
    t.PutLedger({Line("04-01-99", "SA", Money(1000), "Pay"), Line("03-02-99", "zz", Money(-7), "Old shop"),
                 Line("03-03-99", "FD", Money(-12.5), "Bread"), Line("02-01-99", "GF", Money(50), "Gift"),
                 Line("03-09-99", "zz", 0, "Open")});
    CliRun report = Run({"report", "all", "--full"});
    ASSERT_EQ(report.exitCode, 0) << report.err;
    EXPECT_EQ(report.out, ExpectedFile("reports/all_with_unlisted_codes.txt"));
    EXPECT_EQ(report.err, "(2 Items) Income = $1,050.00 \n(2 Items) Expense = ($19.50) \nBalance = $1,030.50 \n");

    TempFolder out;
    ASSERT_EQ(Run({"export", out.PathOf("lines.txt")}).exitCode, 0);
    EXPECT_EQ(out.Read("lines.txt"), ExpectedFile("export/all_with_unlisted_codes.txt"));
    ASSERT_EQ(Run({"export", out.PathOf("summary.txt"), "--summary"}).exitCode, 0);
    EXPECT_EQ(out.Read("summary.txt"), "income\r\n\"SA\",\" 1000 \"\r\n\"GF\",\" 50 \"\r\nexpense\r\n"
                                       "\"FD\",\" 12.5 \"\r\n\"zz\",\" 7 \"\r\n");

    CliRun chosen = Run({"report", "FD", "SA"});
    ASSERT_EQ(chosen.exitCode, 0) << chosen.err;
    EXPECT_EQ(chosen.out.find("no category"), std::string::npos);
    EXPECT_EQ(chosen.err, "(1 Items) Income = $1,000.00 \n(1 Items) Expense = ($12.50) \nBalance = $987.50 \n");
}

TEST_F(CliReportExport, BadReportArgumentsWriteNothing) {
    const std::string ledger = t.folder.Read("1999TSM.DAT");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"report", "XY"}, {"report", "--from", "13"}, {"report", "--from", "5", "--to", "4"},
          {"report", "all", "FD"}, {"report", "--full", "--summary"}, {"report", "--bogus"}}) {
        CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 2) << args.back();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("tessamo-cli: report", 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    }
    ExpectNoWorkingFiles();
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), ledger);
}

TEST_F(CliReportExport, ExportAsksBeforeAppendingUnlessAllowed) {
    TempFolder out;
    const std::string file = out.PathOf("tsm.txt");
    CliRun first = Run({"export", file, "FD", "--from", "3", "--to", "3"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const std::string line = "\"03-02-1999\",\"FD\",\"-12.5 \",\"Bread  white " + std::string(27, ' ') + "\"\r\n";
    EXPECT_EQ(out.Read("tsm.txt"), line);
    EXPECT_NE(first.err.find("Finished!"), std::string::npos);

    CliRun asked = Run({"export", file, "--summary"});
    EXPECT_EQ(asked.exitCode, 2);
    EXPECT_NE(asked.err.find("already exists!"), std::string::npos);
    EXPECT_NE(asked.err.find("--yes"), std::string::npos);
    EXPECT_EQ(out.Read("tsm.txt"), line);

    CliRun appended = Run({"export", file, "--summary", "--append"});
    ASSERT_EQ(appended.exitCode, 0) << appended.err;
    EXPECT_EQ(out.Read("tsm.txt"), line + "income\r\n\"SA\",\" 1000 \"\r\nexpense\r\n\"FD\",\" 12.5 \"\r\n");
    ExpectNoWorkingFiles();
}

TEST_F(CliReportExport, SpreadsheetExportReplacesTheFileAfterAYes) {
    TempFolder out;
    const std::string file = out.PathOf("items.csv");
    CliRun first = Run({"export", file, "--spreadsheet"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const std::string expected = "Date,Amount,Code,Category,Note\r\n1999-04-01,1000.00,\"SA\",\"Salary\",\"Pay\"\r\n"
                                 "1999-03-02,-12.50,\"FD\",\"Food\",\"Bread \"\"white\"\"\"\r\n"
                                 "1999-01-20,0.00,\"FD\",\"Food\",\"Coupons \xC3\xA9t\xC3\xA9\"\r\n";
    EXPECT_EQ(out.Read("items.csv"), expected);
    CliRun asked = Run({"export", file, "FD", "--spreadsheet", "--from", "3", "--to", "3"});
    EXPECT_EQ(asked.exitCode, 2);
    EXPECT_NE(asked.err.find("Do you wish to replace it?"), std::string::npos) << asked.err;
    EXPECT_EQ(out.Read("items.csv"), expected);
    CliRun replaced = RunCli(t.folder.path(), {"--yes", "export", file, "FD", "--spreadsheet", "--from", "3", "--to", "3"});
    ASSERT_EQ(replaced.exitCode, 0) << replaced.err;
    EXPECT_EQ(out.Read("items.csv"), "Date,Amount,Code,Category,Note\r\n1999-03-02,-12.50,\"FD\",\"Food\",\"Bread \"\"white\"\"\"\r\n");
    EXPECT_EQ(Run({"export", file, "--spreadsheet", "--append"}).exitCode, 2);
    ExpectNoWorkingFiles();
}

TEST_F(CliReportExport, BadExportArgumentsWriteNothing) {
    TempFolder out;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"export"}, {"export", out.path()}, {"export", "/no/such/folder/x.txt"},
          {"export", out.PathOf("x.txt"), "ZZ"}, {"export", out.PathOf("x.txt"), "--to", "0"}}) {
        CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 2) << args.back();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_FALSE(out.Exists("x.txt"));
    ExpectNoWorkingFiles();
}

// Report and export only read the data folder: a folder entry that no write
// could get past (a folder standing under the name of the category list
// file) does not stop them, and every entry stays as it was.
TEST_F(CliReportExport, ReadingCommandsWriteNothingInTheDataFolder) {
    ASSERT_TRUE(std::filesystem::create_directory(t.folder.PathOf("tempcats.$$$")));
    const auto entries = [this] {
        std::map<std::string, std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(t.folder.path())) {
            const std::string name = entry.path().filename().string();
            found[name] = entry.is_regular_file() ? t.folder.Read(name) : "(folder)";
        }
        return found;
    };
    Run({"list"});  // leaves the lock file, which the commands below reuse
    const auto before = entries();
    TempFolder out;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"report", "FD"}, {"export", out.PathOf("x.txt"), "FD"},
          {"export", out.PathOf("y.txt"), "--summary"}}) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 0) << args[0] << ": " << run.err;
    }
    EXPECT_EQ(entries(), before);
    EXPECT_EQ(out.Read("y.txt"), "income\r\n\"SA\",\" 1000 \"\r\nexpense\r\n\"FD\",\" 12.5 \"\r\n");
}

TEST_F(CliReportExport, AnUnknownDateStyleIsToldAndReadAsMonthFirst) {
    SettingsRecord settings = SettingsRecord::NewFile("03-15-1999");
    settings.SetDateStyle("?");
    t.folder.Write("PERSONAL.DAT", settings.Bytes());
    const CliRun run = Run({"report", "FD", "--full"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Bread"), std::string::npos);
    const std::string told = "unknown date style";
    ASSERT_NE(run.err.find(told), std::string::npos);
    EXPECT_EQ(run.err.find(told, run.err.find(told) + 1), std::string::npos);  // once
    EXPECT_EQ(t.folder.Read("PERSONAL.DAT"), settings.Bytes());
}

}  // namespace
}  // namespace tessamo
