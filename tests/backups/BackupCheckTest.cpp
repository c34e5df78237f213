// A backup damaged after it was made is found bad, and never restored.
#include <gtest/gtest.h>

#include "backups/BackupFixture.h"
#include "backups/Restore.h"

namespace tessamo {
namespace {

using BackupCheck = BackupFolderTest;

TEST_F(BackupCheck, DamageAfterTheCopyIsFound) {
    struct Case {
        const char* name;
        void (*damage)(const TempFolder& folder);
        const char* problem;  // what the check says; the listing says it too unless marked
        bool listingSeesIt;
    };
    const Case cases[] = {
        {"flipped byte",
         [](const TempFolder& f) {
             std::string bytes = f.Read("1999-03-15_180000/1999TSM.DAT");
             bytes[20] ^= 0x01;
             f.Write("1999-03-15_180000/1999TSM.DAT", bytes);
         },
         "1999TSM.DAT has changed since it was copied", false},
        {"missing manifest", [](const TempFolder& f) { std::remove(f.PathOf("1999-03-15_180000/MANIFEST.TXT").c_str()); },
         "the manifest is missing", true},
        {"shortened copy", [](const TempFolder& f) { f.Write("1999-03-15_180000/1999CATS.DAT", "FO"); },
         "1999CATS.DAT has another length than when it was copied", true},
        {"missing copy", [](const TempFolder& f) { std::remove(f.PathOf("1999-03-15_180000/1999_tsm.nts").c_str()); },
         "1999_tsm.nts is missing", true},
        {"manifest marked bad", [](const TempFolder& f) { f.Write("1999-03-15_180000/MANIFEST.TXT", "tessamo backup 1\nstate bad x: Disk full\n"); },
         "x: Disk full", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RequireOk(root->RemoveFolder("1999-03-15_180000"));
        ASSERT_EQ(Backup().outcome, AutoBackupOutcome::Made);
        c.damage(rootFolder);

        BackupEntry checked;
        ASSERT_TRUE(CheckBackup(*root, "1999-03-15_180000", kFolderId, checked).ok());
        EXPECT_FALSE(checked.good);
        EXPECT_EQ(checked.problem, c.problem);
        EXPECT_EQ(ListBackups(*root).at(0).good, !c.listingSeesIt);
        std::vector<DataFile> files;
        const Status read = ReadBackup(*root, "1999-03-15_180000", kFolderId, checked, files);
        EXPECT_TRUE(read.IsCorruption()) << read.ToString();
    }
}

}  // namespace
}  // namespace tessamo
