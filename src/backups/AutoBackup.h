#pragma once
// AutoBackup: an automatic, checked backup of the data folder. When any file
// a backup holds (BackupFiles.h) differs from the newest backup of this data
// folder whose checksums verify, the files are copied into a new dated folder
// under the backup folder: made fresh as "<name>.partial-<folder id>" (never
// an existing folder, never through a link) and filled through its
// descriptor, each copy new, flushed, read back and compared byte for byte,
// then the manifest and the stamps written, and the folder renamed to its
// name. A copy that does not read back the same makes the folder bad (its
// manifest says why); a copy that cannot be written at all removes the folder
// again. Only after a good backup was made are this folder's older backups
// rotated away (Rotation.h); another data folder's are never touched.
//
// The backup folder is the user's alone: made 0700 when missing, refused
// when another user owns it or others may write into it.
//
// Nothing is read when the newest good backup's stamps (BackupStamps.h) say
// no file was written since; else the files are read and compared.
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

namespace tessamo {

// A data file's name and bytes, as read from the data folder or a backup.
struct DataFile {
    std::string name;
    std::string bytes;
};

// The file of that name (letter case ignored), or nullptr.
const DataFile* FindDataFile(const std::vector<DataFile>& files, const std::string& name);

// Every file of the folder a backup holds, in the backup window's order.
Status ReadDataFiles(const FileSystem& data, std::vector<DataFile>& files);

enum class AutoBackupOutcome {
    Unchanged,  // the newest good backup holds these very files; nothing made
    Made,       // a new good backup
    Bad,        // a backup was made but a copy did not check; it is marked bad
    Failed,     // nothing made: the data, the folder or a copy failed
};

struct AutoBackupResult {
    AutoBackupOutcome outcome = AutoBackupOutcome::Unchanged;
    std::string name;                  // the folder made (Made, Bad)
    std::vector<Status> problems;      // each failure, with file and reason
    std::vector<std::string> removed;  // folders rotated away
};

// `beforeRestoring` names the backup a restore is about to put back: then a
// safety copy is made even of unchanged files, pinned (rotation never removes
// it) and nothing is rotated away.
AutoBackupResult MakeAutomaticBackup(const FileSystem& data, FileSystem& root, const Clock& clock,
                                     const std::string& beforeRestoring = {});

// What the user is told after a backup that did not succeed: each failure,
// and that the next close tries again. Nothing to tell (an empty text) for
// Unchanged and Made without problems.
Message AutoBackupMessage(const AutoBackupResult& result, const std::string& rootFolder);

}  // namespace tessamo
