#include "backups/CloseBackup.h"

#include "backups/BackupSettings.h"

namespace tessamo {
namespace {

// A message's lines in one line of the settings file, and back.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

AutoBackupResult FailedBefore(Status status) {
    AutoBackupResult result;
    result.outcome = AutoBackupOutcome::Failed;
    result.problems.push_back(std::move(status));
    return result;
}

}  // namespace

AutoBackupResult RunCloseBackup(const FileSystem& data, const Clock& clock) {
    BackupSettings settings;
    std::string rootFolder;
    if (Status s = LoadBackupSettings(data, settings, rootFolder); !s.ok()) return FailedBefore(s);
    if (!settings.automatic) return AutoBackupResult{};
    const std::unique_ptr<FileSystem> root = data.OtherFolder(rootFolder);
    const AutoBackupResult result = MakeAutomaticBackup(data, *root, clock);
    const std::string failed = Replaced(AutoBackupMessage(result, rootFolder).text, "\r\n", "\t");
    if (failed != settings.failed) {
        settings.failed = failed;
        // Nothing more can be done about a settings file that cannot be written now.
        (void)WriteBackupSettings(*ConfigFolderOf(data), data.Folder(), settings);
    }
    return result;
}

Message TakeCloseBackupFailure(const FileSystem& data) {
    BackupSettings settings;
    std::string rootFolder;
    if (!LoadBackupSettings(data, settings, rootFolder).ok() || settings.failed.empty()) return Message{""};
    const std::string text = Replaced(settings.failed, "\t", "\r\n");
    settings.failed.clear();
    (void)WriteBackupSettings(*ConfigFolderOf(data), data.Folder(), settings);
    return Message{"When Tessamo last closed:\r\n" + text, kProgramTitle, MessageIcon::Exclamation};
}

}  // namespace tessamo
