// End to end: tessamo-cli "play", "sort" and "backup" on a prepared folder.
#include <gtest/gtest.h>

#include "cli/CliFixture.h"

namespace tessamo {
namespace {

using CliTools = CliFolderTest;

TEST_F(CliTools, PlayAsksFirstAndEntersCompleteGroups) {
    t.folder.Write("Pay.mcr", "'pay day\r\nft\r\n-100.00\r\nfederal tax\r\nss\r\n-40\r\n");
    CliRun asked = Run({"play", "pay.mcr"});
    EXPECT_EQ(asked.exitCode, 2);
    EXPECT_NE(asked.err.find("Play macro file?"), std::string::npos);
    EXPECT_NE(asked.err.find("--yes"), std::string::npos);
    EXPECT_FALSE(t.folder.Exists("1999TSM.DAT"));

    CliRun played = Run({"--yes", "play", "pay.mcr", "--date", "03-01"});
    EXPECT_EQ(played.exitCode, 0) << played.err;
    EXPECT_EQ(played.out, "1 entry entered into 1999TSM.DAT\n");
    EXPECT_NE(played.err.find("2 lines at the end of pay.mcr"), std::string::npos);
    EXPECT_EQ(t.Ledger(), std::vector<LedgerRecord>{Line("03-01-99", "FT", Money(-100), "federal tax")});
    EXPECT_FALSE(t.folder.Exists("tempmac.$$$"));

    CliRun badDate = Run({"--yes", "play", "pay.mcr", "--date", "13-01"});
    EXPECT_EQ(badDate.exitCode, 2);
    EXPECT_NE(badDate.err.find("Invalid Date - 13-01-99"), std::string::npos);
    EXPECT_EQ(t.Ledger().size(), 1u);
}

TEST_F(CliTools, PlayTakesOnlyMacroFiles) {
    t.PutLedger({Line("01-05-99", "FO", 1, "x")});
    const std::string ledger = t.folder.Read("1999TSM.DAT");
    t.folder.Write("BIN.MCR", std::string("fo\r\n1\r\n\0\r\n", 10));
    t.folder.Write("notes.txt", "fo\r\n1\r\nx\r\n");
    const std::pair<std::string, int> cases[] = {{"1999TSM.DAT", 2}, {"notes.txt", 2}, {"mcr", 2}, {"bin.mcr", 1}};
    for (const auto& [name, exitCode] : cases) {
        const CliRun run = Run({"--yes", "play", name});
        EXPECT_EQ(run.exitCode, exitCode) << name << ": " << run.err;
        EXPECT_EQ(t.folder.Read("1999TSM.DAT"), ledger) << name;
    }
}

TEST_F(CliTools, SortOrdersTheChosenYear) {
    t.state.SetActiveYear("1998");
    t.PutLedger({Line("01-05-98", "FO", 1), Line("03-05-98", "FO", 2), Line("02-05-98", "FO", 3)});
    CliRun run = Run({"sort", "--year", "1998"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto ledger = t.Ledger();
    ASSERT_EQ(ledger.size(), 3u);
    EXPECT_EQ(ledger[0].Date, "03-05-98");
    EXPECT_EQ(ledger[2].Date, "01-05-98");
    EXPECT_EQ(Run({"sort", "extra"}).exitCode, 2);
}

TEST_F(CliTools, BackupCopiesAndRefusesTheDataFolder) {
    t.folder.Write("1999TSM.DAT", "ledger");
    t.folder.Write("notes.txt", "not copied");
    TempFolder target;
    CliRun run = Run({"backup", target.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(target.Read("1999TSM.DAT"), "ledger");
    EXPECT_FALSE(target.Exists("notes.txt"));
    EXPECT_NE(run.err.find("Copying: 1999TSM.DAT"), std::string::npos);

    CliRun same = Run({"backup", t.folder.path() + "/"});
    EXPECT_EQ(same.exitCode, 2);
    EXPECT_NE(same.err.find("Chose a different target!"), std::string::npos);
    EXPECT_EQ(Run({"backup"}).exitCode, 2);
    const CliRun empty = Run({"backup", ""});
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_EQ(empty.err, "tessamo-cli: backup wants a target folder, not an empty name\n");
}

}  // namespace
}  // namespace tessamo
