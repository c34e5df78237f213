#pragma once
// AutoBackup: an automatic, checked backup of the data folder. When any data
// file ("*.dat", "*.mcr", "*.nts") differs from the newest good backup, the
// files are copied into a new dated folder under the backup folder: built as
// "<name>.partial", each copy atomic, then read back and compared byte for
// byte, the manifest written, and the folder renamed to its name. A copy that
// does not read back the same makes the folder bad (its manifest says why);
// a copy that cannot be written at all removes the folder again. Only after a
// good backup was made are older folders rotated away (Rotation.h).
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

// Every data file of the folder, in the backup window's order.
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

// Whether a good new backup rotates older ones away. The backup a restore
// makes first does not: the backup being restored from stays until the next.
enum class AfterBackup { Rotate, KeepAll };

AutoBackupResult MakeAutomaticBackup(const FileSystem& data, FileSystem& root, const Clock& clock,
                                     AfterBackup after = AfterBackup::Rotate);

// What the user is told after a backup that did not succeed: each failure,
// and that the next close tries again. Nothing to tell (an empty text) for
// Unchanged and Made without problems.
Message AutoBackupMessage(const AutoBackupResult& result, const std::string& rootFolder);

}  // namespace tessamo
