// End to end: tessamo-cli "schedule" and "due" on a prepared folder.
#include <gtest/gtest.h>

#include "cli/CliFixture.h"

namespace tessamo {
namespace {

class CliDue : public CliFolderTest {
protected:
    CliRun Run(const std::vector<std::string>& args) { return RunCli(t.folder.path(), args, "01-31-2000"); }
};

TEST_F(CliDue, SchedulesAreSetListedAndCleared) {
    t.folder.Write("Pay.mcr", "ft\n-100\ntax\n");
    t.folder.Write("RENT.MCR", "rn\n-800.005\nrent\n");
    const std::pair<std::vector<std::string>, int> runs[] = {
        {{"schedule", "set", "pay.mcr", "--every-months", "3", "--day", "31", "--from", "1999-11-15"}, 0},
        {{"schedule", "set", "rent.mcr", "--weekly", "Friday", "--until", "2000-02-04"}, 0},
        {{"schedule", "set", "rent.mcr", "--monthly", "32"}, 2},
        {{"schedule", "set", "rent.mcr", "--yearly", "02-30"}, 2},
        {{"schedule", "set", "rent.mcr", "--monthly", "1", "--weekly", "mon"}, 2},
        {{"schedule", "set", "rent.mcr", "--monthly", "1", "--from", "01-01-2000"}, 2},
        {{"schedule", "set", "gone.mcr", "--monthly", "1"}, 1},
        {{"schedule", "clear", "gone.mcr"}, 1},
    };
    for (const auto& [args, exitCode] : runs) EXPECT_EQ(Run(args).exitCode, exitCode) << args.back();
    EXPECT_EQ(Run({"schedule", "list"}).out,
              "Pay.mcr\t--every-months 3 --day 31\t1999-11-15\t-\t1999-11-30\n"
              "RENT.MCR\t--weekly fri\t2000-01-31\t2000-02-04\t2000-02-04\n");
    EXPECT_EQ(Run({"schedule", "clear", "PAY.MCR"}).exitCode, 0);
    EXPECT_EQ(Run({"schedule", "list"}).out.substr(0, 9), "RENT.MCR\t");
}

TEST_F(CliDue, DueEntriesAreListedAndEnteredOnceEachIntoTheirYears) {
    t.folder.Write("PAY.MCR", "ft\n-100\ntax\nss\n1250.125\nsalary\n");
    t.folder.Write("BAD.MCR", "ft\n-100\n");
    ASSERT_EQ(Run({"schedule", "set", "PAY.MCR", "--monthly", "31", "--from", "1999-11-01"}).exitCode, 0);
    ASSERT_EQ(Run({"schedule", "set", "BAD.MCR", "--yearly", "12-31", "--from", "1999-01-01"}).exitCode, 0);

    const CliRun listed = Run({"due"});
    EXPECT_EQ(listed.exitCode, 1);
    EXPECT_EQ(listed.out, "1999-11-30\tPAY.MCR\t2\t1150.13\n1999-12-31\tPAY.MCR\t2\t1150.13\n"
                          "2000-01-31\tPAY.MCR\t2\t1150.13\n");
    EXPECT_NE(listed.err.find("BAD.MCR: its last 2 data line(s) make no complete entry; 1999-12-31 is left due"),
              std::string::npos) << listed.err;
    EXPECT_EQ(Run({"due", "--enter"}).exitCode, 2);
    EXPECT_FALSE(t.folder.Exists("1999TSM.DAT"));

    const CliRun entered = Run({"--yes", "due", "--enter", "--through", "1999-12-31"});
    EXPECT_EQ(entered.exitCode, 1);
    EXPECT_EQ(entered.out, "1999-11-30\tPAY.MCR\t2\n1999-12-31\tPAY.MCR\t2\n");
    const CliRun rest = Run({"--yes", "due", "--enter"});
    EXPECT_EQ(rest.out, "2000-01-31\tPAY.MCR\t2\n");
    EXPECT_EQ(Run({"--yes", "due", "--enter"}).out, "");
    EXPECT_EQ(t.Ledger().size(), 4u);
    EXPECT_EQ(t.folder.Read("2000TSM.DAT").size(), 2 * LedgerRecord::kSize);
    EXPECT_EQ(Run({"due"}).out, "");
}

}  // namespace
}  // namespace tessamo
