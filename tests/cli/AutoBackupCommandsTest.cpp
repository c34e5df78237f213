// End to end: tessamo-cli "backup --auto", "backups" and "restore".
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliFixture.h"
#include "support/ExpectedFile.h"

namespace tessamo {
namespace {

class CliAutoBackup : public CliFolderTest {
protected:
    void SetUp() override {
        CliFolderTest::SetUp();
        // The backup folder inside the test's folder, named in our settings file.
        std::filesystem::create_directories(t.folder.PathOf(".config/tessamo"));
        t.folder.Write(".config/tessamo/backups.conf", "[" + t.folder.path() + "]\nautomatic = on\nfolder = " +
                                                           t.folder.PathOf("bak") + "\n");
        t.PutCategories({CategoryRecord::Make("FO", "Food")});
        t.PutLedger({Line("03-01-99", "FO", Money(-12.5), "groceries")});
    }
    CliRun At(const std::string& time, const std::vector<std::string>& args) {
        return RunCli(t.folder.path(), args, "03-15-1999", {{"TESSAMO_TIME", time}});
    }
};

TEST_F(CliAutoBackup, BacksUpListsAndRestoresWithTheDifferenceShownFirst) {
    const std::string ledger = t.folder.Read("1999TSM.DAT");
    const CliRun first = At("18:00:00", {"backup", "--auto"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, t.folder.PathOf("bak/1999-03-15_180000") + "\n");
    EXPECT_EQ(At("18:00:00", {"backup", "--auto"}).err,
              "No data file changed since the last good backup in " + t.folder.PathOf("bak") + "\n");
    t.PutLedger({Line("03-01-99", "FO", Money(-12.5), "groceries"), Line("03-04-99", "FO", Money(-3), "milk")});

    const CliRun listed = At("19:00:00", {"backups"});
    EXPECT_EQ(listed.out, "1999-03-15_180000\t1999-03-15 18:00:00\tgood\t3 files\t1999: 1 line, income $0.00, "
                          "expenses ($12.50)\n");
    const CliRun dry = At("19:00:00", {"restore", "1999-03-15_180000", "--dry-run"});
    EXPECT_EQ(dry.out, ExpectedFile("backups/restore_dry_run.txt"));
    const CliRun asked = At("19:00:00", {"restore", "1999-03-15_180000"});
    EXPECT_EQ(asked.exitCode, 2);
    EXPECT_NE(ledger, t.folder.Read("1999TSM.DAT"));

    const CliRun restored = At("19:00:00", {"--yes", "restore", "1999-03-15_180000"});
    EXPECT_EQ(restored.exitCode, 0) << restored.err;
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), ledger);
    EXPECT_TRUE(t.folder.Exists("bak/1999-03-15_190000/MANIFEST.TXT"));
    EXPECT_EQ(At("19:00:00", {"restore", "1999-03-14_180000"}).exitCode, 1);
}

TEST_F(CliAutoBackup, ABadBackupIsListedAsBadAndFailsTheListing) {
    ASSERT_EQ(At("18:00:00", {"backup", "--auto"}).exitCode, 0);
    t.folder.Write("bak/1999-03-15_180000/1999TSM.DAT", "torn");
    const CliRun listed = At("19:00:00", {"backups"});
    EXPECT_EQ(listed.exitCode, 1);
    EXPECT_NE(listed.out.find("1999-03-15_180000\t1999-03-15 18:00:00\tbad"), std::string::npos) << listed.out;
    EXPECT_EQ(listed.err, "tessamo-cli: 1 backup is bad and cannot be restored\n");
}

TEST_F(CliAutoBackup, SettingsAndARestoreFromAPlainFolder) {
    const CliRun set = At("18:00:00", {"backups", "--automatic", "off", "--folder", t.folder.PathOf("other")});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(set.out, "automatic\toff\nfolder\t" + t.folder.PathOf("other") + "\n");
    EXPECT_NE(t.folder.Read(".config/tessamo/backups.conf").find("automatic = off\nfolder = " + t.folder.PathOf("other")),
              std::string::npos);
    EXPECT_EQ(At("18:00:00", {"backups", "--automatic", "maybe"}).exitCode, 2);

    const std::string ledger = t.folder.Read("1999TSM.DAT");
    std::filesystem::create_directory(t.folder.PathOf("plain"));
    ASSERT_EQ(At("18:00:00", {"backup", t.folder.PathOf("plain")}).exitCode, 0);
    t.PutLedger({Line("03-04-99", "FO", Money(-3), "milk")});
    const CliRun restored = At("19:00:00", {"--yes", "restore", "--from", t.folder.PathOf("plain")});
    ASSERT_EQ(restored.exitCode, 0) << restored.err;
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), ledger);
    const CliRun listed = At("19:00:00", {"backups"});
    EXPECT_NE(listed.out.find("1999-03-15_190000\t1999-03-15 19:00:00\tgood, before restoring plain\t"), std::string::npos)
        << listed.out;
    EXPECT_EQ(At("19:00:00", {"backups", "--remove", "1999-03-15_190000"}).exitCode, 0);
    EXPECT_FALSE(t.folder.Exists("other/1999-03-15_190000"));
}

}  // namespace
}  // namespace tessamo
