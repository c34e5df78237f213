// Restore: shows what it changes, asks, backs today up, and puts the
// backup's bytes back.
#include <gtest/gtest.h>

#include "backups/BackupFixture.h"
#include "backups/Restore.h"
#include "backups/RestoreDifference.h"
#include "support/ExpectedFile.h"

namespace tessamo {
namespace {

class Restore : public BackupFolderTest {
protected:
    // A backup of the fixture's files, then a day of changes: a line added,
    // one deleted, one changed, a category added and one renamed, a new year.
    void SetUp() override {
        ASSERT_EQ(Backup().outcome, AutoBackupOutcome::Made);
        t.PutLedger({Line("03-02-99", "PA", Money(100), "pay"), Line("03-03-99", "FO", Money(-7.25), "bread"),
                     Line("03-02-99", "PA", Money(110), "pay")});
        t.PutCategories({CategoryRecord::Make("FO", "Groceries"), CategoryRecord::Make("PA", "Pay"),
                         CategoryRecord::Make("CA", "Car")});
        t.folder.Write("2000CATS.DAT", EncodeRecords(std::vector{CategoryRecord::Make("FO", "Food")}));
        t.clock.Set({3, 15, 1999}, {19, 0, 0});
    }
    RestoreResult RestoreIt() { return RestoreBackup(t.files, *root, "1999-03-15_180000", t.clock, t.dialogs); }
};

TEST_F(Restore, TheDifferenceListsExactlyTheChangedLinesAndCategories) {
    BackupEntry entry;
    std::vector<DataFile> backup, today;
    ASSERT_TRUE(ReadBackup(*root, "1999-03-15_180000", kFolderId, entry, backup).ok());
    ASSERT_TRUE(ReadDataFiles(t.files, today).ok());
    EXPECT_EQ(RestoreDifferenceText(today, backup, t.env.money), ExpectedFile("backups/restore_difference.txt"));
}

TEST_F(Restore, PutsTheBackupsBytesBackAfterBackingTodayUp) {
    const std::string changedLedger = t.folder.Read("1999TSM.DAT");
    t.dialogs.answers = {Answer::Yes};
    const RestoreResult result = RestoreIt();
    ASSERT_EQ(result.outcome, RestoreOutcome::Restored) << result.failure.ToString();
    for (const char* name : {"1999TSM.DAT", "1999CATS.DAT", "1999_tsm.nts"})
        EXPECT_EQ(t.folder.Read(name), Copy("1999-03-15_180000", name)) << name;
    EXPECT_TRUE(t.folder.Exists("2000CATS.DAT"));  // not in the backup: kept
    EXPECT_EQ(result.before.name, "1999-03-15_190000");
    EXPECT_EQ(Copy("1999-03-15_190000", "1999TSM.DAT"), changedLedger);
    EXPECT_EQ(RestoreEndMessage(result, "1999-03-15_180000").text,
              "Restored 2 files from 1999-03-15_180000.\r\nToday's files were backed up as 1999-03-15_190000.");
}

TEST_F(Restore, ChangesNothingUnlessAnsweredYesOrWhenTodayCannotBeBackedUp) {
    const std::string ledger = t.folder.Read("1999TSM.DAT");
    t.dialogs.answers = {Answer::No};
    EXPECT_EQ(RestoreIt().outcome, RestoreOutcome::Declined);
    EXPECT_EQ(t.dialogs.messages.at(0).defaultButton, Answer::No);

    t.dialogs.answers = {Answer::Yes};
    t.files.Fail(FaultyFileSystem::Op::Create, "Disk full");
    const RestoreResult refused = RestoreIt();
    t.files.Heal();
    EXPECT_EQ(refused.outcome, RestoreOutcome::Refused);
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), ledger);
    EXPECT_EQ(root->Folders(), std::vector<std::string>{"1999-03-15_180000"});
}

}  // namespace
}  // namespace tessamo
