#pragma once
// A data folder (TestEnv, clock at 03-15-1999 18:00:00) with a ledger, a
// category file, a notes file and a fixed id (kFolderId), and an empty
// backup folder beside it. The
// backup folder lies in memory (/dev/shm) where there is one: a year of
// daily backups is thousands of fsyncs, which a disk makes slow.
#include <filesystem>

#include "backups/AutoBackup.h"
#include "backups/BackupList.h"
#include "support/TestEnv.h"

namespace tessamo {

inline constexpr const char* kFolderId = "0123456789abcdef0123456789abcdef";

class BackupFolderTest : public ::testing::Test {
protected:
    BackupFolderTest() : root(t.files.OtherFolder(rootFolder.path())) {
        t.clock.Set({3, 15, 1999}, {18, 0, 0});
        t.PutLedger({Line("03-01-99", "FO", Money(-12.5), "groceries"), Line("03-02-99", "PA", Money(100), "pay")});
        t.PutCategories({CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("PA", "Pay")});
        t.folder.Write("1999_tsm.nts", "notes\r\n");
        t.folder.Write("data-folder-id.txt", std::string(kFolderId) + "\n");
    }
    AutoBackupResult Backup() { return MakeAutomaticBackup(t.files, *root, t.clock); }
    std::string Copy(const std::string& backup, const std::string& name) const {
        return rootFolder.Read(backup + "/" + name);
    }

    TestEnv t;
    TempFolder rootFolder{std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : ""};
    std::unique_ptr<FileSystem> root;
};

}  // namespace tessamo
