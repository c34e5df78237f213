#include "tools/Backup.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/FileErrors.h"
#include "core/FixedText.h"
#include "platform/PosixFileSystem.h"

namespace tessamo {

bool IsBackupFile(const std::string& name) {
    if (name.size() < 4) return false;
    const std::string extension = ToUpperAscii(name.substr(name.size() - 4));
    return extension == ".MCR" || extension == ".DAT" || extension == ".NTS";
}

std::vector<std::string> BackupFileList(const FileSystem& source) {
    std::vector<std::string> names;
    for (const std::string& name : source.List())
        if (IsBackupFile(name)) names.push_back(name);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string ua = ToUpperAscii(a), ub = ToUpperAscii(b);
        return ua != ub ? ua < ub : a < b;
    });
    return names;
}

namespace {

std::string FolderText(const std::string& folder) {
    std::string text = ToUpperAscii(TrimBlanks(folder));
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

Status CheckFolder(const std::string& folder) {
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0) return Status::IOError(folder, std::strerror(errno));
    if (!S_ISDIR(st.st_mode)) return Status::IOError(folder, std::strerror(ENOTDIR));
    return Status::Ok();
}

}  // namespace

Message BackupEndMessage(std::size_t copied, const std::vector<Status>& failures) {
    if (failures.empty()) return Message{"Finished"};
    const std::size_t count = copied + failures.size();
    std::string text = "Finished: " + std::to_string(copied) + " of " + std::to_string(count) +
                       (count == 1 ? " file" : " files") + " copied.\r\nNot copied:";
    for (const Status& failure : failures) text += "\r\n" + failure.ToString();
    return Message{text, kProgramTitle, MessageIcon::Exclamation};
}

bool SameFolder(const std::string& a, const std::string& b) {
    if (FolderText(a) == FolderText(b)) return true;
    std::error_code ec;
    return std::filesystem::equivalent(TrimBlanks(a), TrimBlanks(b), ec);
}

BackupOutcome CopyDataFiles(SharedState& state, FileSystem& target, const BackupProgress& progress,
                            const std::atomic<bool>& stop) {
    FileSystem& source = state.env.files;
    Dialogs& dialogs = state.env.dialogs;
    if (SameFolder(source.Folder(), target.Folder())) {
        dialogs.Show(Message{"Chose a different target!"});
        return BackupOutcome::Refused;
    }
    const std::vector<std::string> names = BackupFileList(source);
    std::vector<Status> failures;
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (progress) progress(names[k], k + 1, names.size());
        if (stop.load()) return BackupOutcome::Stopped;
        std::string bytes;
        Status s = source.ReadAll(names[k], bytes);
        if (s.ok()) s = target.ReplaceWhole(names[k], kBackupTempFileName, bytes);
        if (!s.ok()) failures.push_back(s);
    }
    dialogs.Show(BackupEndMessage(names.size() - failures.size(), failures));
    return failures.empty() ? BackupOutcome::Finished : BackupOutcome::Failed;
}

BackupOutcome RunBackup(SharedState& state, const std::string& targetFolder, const BackupProgress& progress,
                        const std::atomic<bool>& stop) {
    PosixFileSystem target(TrimBlanks(targetFolder));
    if (!SameFolder(state.env.files.Folder(), target.Folder()) &&
        !ReportIfFailed(state.env.dialogs, CheckFolder(target.Folder())))
        return BackupOutcome::Failed;
    return CopyDataFiles(state, target, progress, stop);
}

}  // namespace tessamo
