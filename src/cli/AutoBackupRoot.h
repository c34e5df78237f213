#pragma once
// AutoBackupRoot: the backup folder of the open data folder, as its backup
// settings name it, for the commands that make, list and restore backups.
#include <memory>
#include <string>

#include "backups/AutoBackup.h"
#include "backups/BackupSettings.h"
#include "cli/Commands.h"
#include "cli/ConsoleDialogs.h"

namespace tessamo {

struct AutoBackupRoot {
    std::string path;
    std::unique_ptr<FileSystem> folder;

    // Reads the settings; returns an exit code after telling why on `err`.
    int Open(CliContext& context) {
        BackupSettings settings;
        const Status s = LoadBackupSettings(context.state().env.files, settings, path);
        if (!s.ok()) {
            context.err << "tessamo-cli: " << s.ToString() << "\n";
            return kExitFailed;
        }
        folder = context.state().env.files.OtherFolder(path);
        return kExitOk;
    }
};

}  // namespace tessamo
