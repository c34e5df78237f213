#pragma once
// BackupList: the automatic backups under a backup folder, one dated
// subfolder each (BackupName.h) with its manifest (Manifest.h). A backup is
// good when its manifest says so and every file it names is there with its
// size; CheckBackup() reads every copy and compares its checksum too.
#include <string>
#include <vector>

#include "backups/BackupName.h"
#include "backups/Manifest.h"
#include "platform/FileSystem.h"

namespace tessamo {

struct BackupEntry {
    std::string name;     // the folder's name
    BackupTime time;
    bool good = false;
    std::string problem;  // why it is bad
    Manifest manifest;    // empty when the manifest is missing or unreadable
};

// Every dated folder under `root`, oldest first; folders still being filled
// (".partial") and folders of other names are left out.
std::vector<BackupEntry> ListBackups(const FileSystem& root);

// Reads the backup `name` and checks every copy against its manifest.
// `entry` holds the result; a failed Status only when the folder is missing.
Status CheckBackup(const FileSystem& root, const std::string& name, BackupEntry& entry);

// The newest good entry, or nullptr.
const BackupEntry* NewestGood(const std::vector<BackupEntry>& entries);

// The backup folder `name` under `root` as a FileSystem of its own.
std::unique_ptr<FileSystem> BackupFolder(const FileSystem& root, const std::string& name);

}  // namespace tessamo
