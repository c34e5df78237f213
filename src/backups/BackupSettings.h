#pragma once
// BackupSettings: whether automatic backups are made and where, per data
// folder, kept in a small file of our own, "backups.conf" in the user's
// configuration folder (UserConfigFolder()): the settings file of the data
// folder keeps the bytes of the system it came from. Plain text:
//
//   [<data folder>]
//   automatic = on            (or off)
//   folder = <backup folder>  (absent or empty: the default place)
//   failed = <what went wrong> (only after a failed backup at closing; the
//                               lines of the message separated by tabs)
//
// One section per data folder; lines starting with "#" and sections of other
// data folders are kept as they stand when the file is rewritten.
#include <memory>
#include <string>

#include "platform/FileSystem.h"

namespace tessamo {

inline constexpr const char* kBackupSettingsName = "backups.conf";

struct BackupSettings {
    bool automatic = true;
    std::string folder;  // empty: DefaultBackupFolder()
    std::string failed;  // the failure of the last backup at closing, to be shown
};

// "backups" inside the data folder when it is the user's own data folder;
// else a folder beside it, named after it with "-backups", so a data folder
// somewhere else does not fill up with folders of copies.
std::string DefaultBackupFolder(const std::string& dataFolder, const std::string& userDataFolder);
// The chosen folder, else the default one.
std::string BackupFolderOf(const BackupSettings& settings, const std::string& dataFolder,
                           const std::string& userDataFolder);

// A missing file or section reads as the defaults.
Status ReadBackupSettings(const FileSystem& config, const std::string& dataFolder, BackupSettings& settings);
// Creates the configuration folder when missing; the file is replaced atomically.
Status WriteBackupSettings(FileSystem& config, const std::string& dataFolder, const BackupSettings& settings);

// The user's configuration folder, reached from the data folder's FileSystem.
std::unique_ptr<FileSystem> ConfigFolderOf(const FileSystem& data);
// The settings of the data folder `data`, and the backup folder they name.
Status LoadBackupSettings(const FileSystem& data, BackupSettings& settings, std::string& rootFolder);

}  // namespace tessamo
