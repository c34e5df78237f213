#pragma once
// BackupList: the automatic backups under a backup folder, one dated
// subfolder each (BackupName.h) with its manifest (Manifest.h). Nothing in
// the folder is trusted: every entry is opened relative to the folder's
// descriptor without following links (FolderHandle.h), and the manifest's
// names are plain names of the files a backup holds. A backup is good when
// its manifest says so and every file it names is there, a plain file, with
// its size, and, when checksums are verified, with its checksum.
//
// A backup belongs to the data folder its manifest names (FolderId.h); the
// others are listed apart, never removed, and restored only on purpose
// (Restore.h).
#include <string>
#include <vector>

#include "backups/BackupName.h"
#include "backups/Manifest.h"
#include "platform/FileSystem.h"
#include "platform/FolderHandle.h"

namespace tessamo {

struct BackupEntry {
    std::string name;     // the folder's name
    BackupTime time;
    bool good = false;
    bool ours = true;     // made of the data folder asked about
    std::string problem;  // why it is bad
    Manifest manifest;    // empty when the manifest is missing or unreadable
};

enum class Verify { Sizes, Checksums };

// Every dated folder under the folder `root`, oldest first; folders still
// being filled (".partial"), links and folders of other names are left out.
// `folderId` is the asking data folder's id ("" when it has none yet).
std::vector<BackupEntry> ListBackups(const FolderHandle& root, const std::string& folderId, Verify verify);
// The same over the folder of `root` (none when it cannot be opened).
std::vector<BackupEntry> ListBackups(const FileSystem& root, const std::string& folderId = {},
                                     Verify verify = Verify::Sizes);

// Reads the backup `name` and checks every copy against its manifest.
// `entry` holds the result; a failed Status only when the folder is missing.
Status CheckBackup(const FileSystem& root, const std::string& name, const std::string& folderId, BackupEntry& entry);
Status CheckBackup(const FolderHandle& root, const std::string& name, const std::string& folderId, BackupEntry& entry,
                   Verify verify = Verify::Checksums);

// The entries of the asking data folder, and those of others.
std::vector<BackupEntry> OwnBackups(const std::vector<BackupEntry>& entries);
std::vector<BackupEntry> OthersBackups(const std::vector<BackupEntry>& entries);

// The newest good entry, or nullptr.
const BackupEntry* NewestGood(const std::vector<BackupEntry>& entries);

}  // namespace tessamo
