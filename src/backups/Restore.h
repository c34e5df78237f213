#pragma once
// Restore: puts the files of an automatic backup back into the data folder.
// The backup is read and checked first and refused when bad. After the user
// said yes, today's files are backed up (a backup that fails stops the
// restore, so nothing of today is lost), then each file of the backup
// replaces its namesake atomically, one by one; a failure stops there and
// the files restored so far are named. Files the backup does not hold stay.
#include <string>
#include <vector>

#include "backups/AutoBackup.h"
#include "backups/BackupList.h"

namespace tessamo {

inline constexpr const char* kRestoreTempFileName = "temp.$$$";

// Reads every file of the backup `name`, checked against its manifest.
// Corruption, with what is wrong, when the backup is bad.
Status ReadBackup(const FileSystem& root, const std::string& name, BackupEntry& entry, std::vector<DataFile>& files);

enum class RestoreOutcome { Declined, Restored, Refused, Failed };

struct RestoreResult {
    RestoreOutcome outcome = RestoreOutcome::Declined;
    AutoBackupResult before;             // the backup of today's files
    std::vector<std::string> restored;   // the files replaced, in order
    Status failure;                      // why it was refused or failed
};

RestoreResult RestoreBackup(FileSystem& data, FileSystem& root, const std::string& name, const Clock& clock,
                            Dialogs& dialogs);

// The end message: what was restored, or why not (empty text when declined).
Message RestoreEndMessage(const RestoreResult& result, const std::string& name);

}  // namespace tessamo
