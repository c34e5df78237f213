// Automatic backups: made only after a change, checked, named by the moment,
// and a failure leaves no folder behind and is tried again.
#include <gtest/gtest.h>

#include "backups/BackupFixture.h"
#include "support/ExpectedFile.h"

namespace tessamo {
namespace {

using AutoBackup = BackupFolderTest;

TEST_F(AutoBackup, CopiesEveryDataFileWithAManifestAndOnlyAfterAChange) {
    const AutoBackupResult first = Backup();
    ASSERT_EQ(first.outcome, AutoBackupOutcome::Made) << AutoBackupMessage(first, "").text;
    EXPECT_EQ(first.name, "1999-03-15_180000");
    for (const char* name : {"1999TSM.DAT", "1999CATS.DAT", "1999_tsm.nts", "data-folder-id.txt"})
        EXPECT_EQ(Copy(first.name, name), t.folder.Read(name)) << name;
    EXPECT_EQ(Copy(first.name, "MANIFEST.TXT"), ExpectedFile("backups/manifest.txt"));

    EXPECT_EQ(Backup().outcome, AutoBackupOutcome::Unchanged);
    t.folder.Write("1999_tsm.nts", "other notes\r\n");
    const AutoBackupResult second = Backup();  // the same second: named one second later
    EXPECT_EQ(second.outcome, AutoBackupOutcome::Made);
    EXPECT_EQ(second.name, "1999-03-15_180001");
    EXPECT_EQ(second.removed, std::vector<std::string>{first.name});  // a day keeps its newest
    EXPECT_EQ(root->Folders(), std::vector<std::string>{second.name});
}

TEST_F(AutoBackup, AFailureLeavesNoFolderAndTheNextRunTriesAgain) {
    for (const auto op : {FaultyFileSystem::Op::Create, FaultyFileSystem::Op::Read}) {
        t.files.Fail(op, "Disk full");
        const AutoBackupResult failed = Backup();
        t.files.Heal();
        EXPECT_EQ(failed.outcome, AutoBackupOutcome::Failed);
        const std::string text = AutoBackupMessage(failed, "/R").text;
        EXPECT_EQ(text.rfind("The automatic backup into /R failed:\r\n", 0), 0u) << text;
        EXPECT_NE(text.find(": Disk full\r\nIt is tried again at the next close."), std::string::npos) << text;
        EXPECT_TRUE(root->Folders().empty());
    }
    EXPECT_EQ(Backup().outcome, AutoBackupOutcome::Made);
}

TEST_F(AutoBackup, AHalfFilledFolderOfACutOffRunIsRemoved) {
    RequireOk(root->MakeFolder("1999-03-14_100000.partial"));
    rootFolder.Write("1999-03-14_100000.partial/1999TSM.DAT", "half");
    EXPECT_EQ(Backup().outcome, AutoBackupOutcome::Made);
    EXPECT_EQ(root->Folders(), std::vector<std::string>{"1999-03-15_180000"});
}

}  // namespace
}  // namespace tessamo
