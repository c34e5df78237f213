// End to end: tessamo-cli "list", "add" and the shared argument, lock and
// question rules, run as a separate program on a prepared folder.
#include <gtest/gtest.h>

#include "cli/CliFixture.h"
#include "platform/InstanceLock.h"

namespace tessamo {
namespace {

class CliTest : public CliFolderTest {
protected:
    void SetUp() override {
        CliFolderTest::SetUp();
        if (IsSkipped()) return;
        t.PutCategories({CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("PA", "Pay")});
    }
};

TEST_F(CliTest, ListShowsRowsAndStatusTexts) {
    t.PutLedger({Line("03-10-99", "FO", Money(-12.5), "  Bread \xE9"), Line("03-01-99", "PA", Money(1000)),
                 Line("02-01-99", "FO", 0, "open")});
    CliRun all = Run({"list"});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_EQ(all.out,
              "Date\tAmount\tCode\tNote\n"
              "03-10-99\t($12.50)\tFO\tBread \xC3\xA9\n"
              "03-01-99\t$1,000.00\tPA\t\n"
              "02-01-99\t****?****\tFO\topen\n");
    EXPECT_EQ(all.err,
              "  Income = $1,000.00  \n  Expense = ($12.50)  \n  Balance = $987.50  \n"
              " 3  1999  records for category: ALL  \n");

    CliRun food = Run({"list", "fo"});
    EXPECT_EQ(food.err, "  No Income! \n  Expense = ($12.50)  \n  Balance = ($12.50)  \n"
                        " 2  1999  records for category: FO  Food            \n");
}

// What reaches the terminal is UTF-8 converted once, every control character
// of a field shown as an escape, so a row never splits; codes stored in lower
// case (files made elsewhere) and codes outside ASCII can be named.
TEST_F(CliTest, ListShowsEveryFieldAsVisibleUtf8) {
    t.PutCategories({CategoryRecord::Make("fo", "lower"), CategoryRecord::Make("FO", "Food"),
                     CategoryRecord::Make("\xE9", "accent")});
    t.PutLedger({Line("03-10-99", "\xFF\xFE", Money(-1), std::string("a\tb\rc\nd\x1B[31m\x07\0e\x81", 16)),
                 Line("03-09-99", "fo", Money(-2), "lower"), Line("03-08-99", "FO", Money(-3), "upper"),
                 Line("03-07-99", "\xE9", Money(-4), "accent")});
    const CliRun all = Run({"list"});
    const std::size_t row = all.out.find('\n') + 1;
    EXPECT_EQ(all.out.substr(row, all.out.find('\n', row) + 1 - row),
              "03-10-99\t($1.00)\t\xC3\xBF\xC3\xBE\ta\\tb\\rc\\nd\\x1B[31m\\x07\\x00e\\x81\n");
    const std::pair<std::string, std::string> named[] = {
        {"fo", "03-09-99\t($2.00)\tfo\tlower\n"},
        {"Fo", "03-08-99\t($3.00)\tFO\tupper\n"},
        {"\xC3\xA9", "03-07-99\t($4.00)\t\xC3\xA9 \taccent\n"}};
    for (const auto& [code, row] : named) {
        const CliRun run = Run({"list", code});
        EXPECT_EQ(run.exitCode, 0) << code << ": " << run.err;
        EXPECT_EQ(run.out, "Date\tAmount\tCode\tNote\n" + row) << code;
    }
    EXPECT_NE(Run({"list", "\xC3\xA9"}).err.find("category: \xC3\xA9   accent"), std::string::npos);
}

TEST_F(CliTest, AddInsertsAtItsPlaceByDate) {
    t.PutLedger({Line("03-20-99", "FO", Money(-1)), Line("03-01-99", "FO", Money(-2))});
    CliRun run = Run({"add", "expense", "fo", "-$1,234.5", "Caf\xC3\xA9"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "03-15-99\t($1,234.50)\tFO\tCaf\xC3\xA9\n");
    auto ledger = t.Ledger();
    ASSERT_EQ(ledger.size(), 3u);
    EXPECT_EQ(ledger[1], Line("03-15-99", "FO", Money(-1234.5), "Caf\xE9"));

    EXPECT_EQ(Run({"add", "income", "PA", "20", "--date", "01-02"}).exitCode, 0);
    EXPECT_EQ(t.Ledger().back(), Line("01-02-99", "PA", Money(20)));

    // A code the year holds in lower case is taken as typed.
    t.PutCategories({CategoryRecord::Make("fd", "Made elsewhere")});
    EXPECT_EQ(Run({"add", "expense", "fd", "1", "--date", "12-31"}).exitCode, 0);
    EXPECT_EQ(t.Ledger().front(), Line("12-31-99", "fd", Money(-1)));
}

TEST_F(CliTest, BadArgumentsWriteNothing) {
    t.PutLedger({Line("03-20-99", "FO", Money(-1))});
    const std::string before = t.folder.Read("1999TSM.DAT");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"add", "expense", "XX", "1"},          // no such category
             {"add", "expense", "FO", "abc"},        // no amount
             {"add", "gift", "FO", "1"},             // neither income nor expense
             {"add", "income", "FO", "1", "--date", "13-01"},  // refused by the date check
             {"add", "income", "FO", "1", std::string(41, 'n')},
             {"add", "income", "FO", "1", "tab\there"},   // a control character in the note
             {"add", "income", "FO", "1", "red\x1B[31m"},
             {"list", "ABC"},
             {"--year", "99", "list"},
             {"frobnicate"},
             {}}) {
        CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 2) << (args.empty() ? "" : args[0]) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), before);
}

TEST_F(CliTest, ASecondProgramOnTheFolderIsRefused) {
    InstanceLock lock;
    bool elsewhere = false;
    Status status;
    ASSERT_TRUE(lock.Acquire(t.folder.path(), elsewhere, status));
    CliRun run = Run({"list"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("already running"), std::string::npos);
}

TEST_F(CliTest, APassCodeFolderWantsTheCodeInTheEnvironment) {
    SettingsRecord settings = SettingsRecord::NewFile("01-01-1999");
    settings.SetPassCode(1234);
    t.folder.Write("PERSONAL.DAT", settings.Bytes());
    EXPECT_EQ(Run({"list"}).exitCode, 2);
    EXPECT_EQ(RunCli(t.folder.path(), {"list"}, "03-15-1999", {{"TESSAMO_PASSCODE", "1233"}}).exitCode, 1);
    CliRun run = RunCli(t.folder.path(), {"list"}, "03-15-1999", {{"TESSAMO_PASSCODE", "1234"}});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(t.folder.Read("PERSONAL.DAT"), settings.Bytes());
}

TEST_F(CliTest, HelpDocumentsEveryCommand) {
    CliRun run = Run({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* command : {"list", "add", "report", "export", "play", "sort", "backup"})
        EXPECT_NE(run.out.find("\n  " + std::string(command)), std::string::npos) << command;
}

}  // namespace
}  // namespace tessamo
