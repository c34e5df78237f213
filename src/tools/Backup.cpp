#include "tools/Backup.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/DataFileProtection.h"
#include "core/FileListing.h"
#include "platform/FileErrors.h"
#include "core/FixedText.h"

namespace tessamo {

bool IsBackupFile(const std::string& name) { return HasDataFileExtension(name); }

std::vector<std::string> BackupFileList(const FileSystem& source) { return FilesInListOrder(source, IsBackupFile); }

namespace {

std::string FolderText(const std::string& folder) {
    std::string text = TrimBlanks(folder);
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

Status CheckFolder(const FileSystem& folder) {
    FileInfo info;
    Status s = folder.Inspect(".", info);
    if (s.ok() && info.kind == FileKind::Missing) s = Status::IOError(folder.Folder(), std::strerror(ENOENT));
    if (s.ok() && info.kind != FileKind::Directory) s = Status::IOError(folder.Folder(), std::strerror(ENOTDIR));
    return s;
}

Message DifferentTarget() { return Message{"Chose a different target!"}; }

}  // namespace

Message BackupEndMessage(std::size_t copied, const std::vector<Status>& failures) {
    if (failures.empty()) return Message{"Finished"};
    const std::size_t count = copied + failures.size();
    std::string text = "Finished: " + std::to_string(copied) + " of " + std::to_string(count) +
                       (count == 1 ? " file" : " files") + " copied.\r\nNot copied:";
    for (const Status& failure : failures) text += "\r\n" + failure.ToString();
    return Message{text, kProgramTitle, MessageIcon::Exclamation};
}

bool SameFolder(const FileSystem& a, const FileSystem& b) {
    if (FolderText(a.Folder()) == FolderText(b.Folder())) return true;
    FileInfo one, other;
    return a.Inspect(".", one).ok() && b.Inspect(".", other).ok() && one.kind == FileKind::Directory &&
           other.kind == FileKind::Directory && one.file == other.file;
}

BackupOutcome CopyDataFiles(const SharedState& state, FileSystem& target, const BackupProgress& progress,
                            const std::atomic<bool>& stop) {
    FileSystem& source = state.env.files;
    Dialogs& dialogs = state.env.dialogs;
    if (SameFolder(source, target)) {
        dialogs.Show(DifferentTarget());
        return BackupOutcome::Refused;
    }
    // A copy never lands on a file of the data folder, whatever link in the
    // target folder leads there.
    const DataFileProtection guard(source);
    const std::vector<std::string> names = BackupFileList(source);
    std::vector<Status> failures;
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (progress) progress(names[k], k + 1, names.size());
        if (stop.load()) return BackupOutcome::Stopped;
        std::string bytes;
        bool refused = false;
        Status s = source.ReadAll(names[k], bytes);
        if (s.ok())
            s = target.WriteOutputFile(names[k], kBackupTempFileName, bytes, false,
                                       guard.Check(Status::InvalidArgument(names[k], "a file of the data folder"), refused));
        if (refused) {
            dialogs.Show(DifferentTarget());
            return BackupOutcome::Refused;
        }
        if (!s.ok()) failures.push_back(s);
    }
    dialogs.Show(BackupEndMessage(names.size() - failures.size(), failures));
    return failures.empty() ? BackupOutcome::Finished : BackupOutcome::Failed;
}

BackupOutcome RunBackup(const SharedState& state, const std::string& targetFolder, const BackupProgress& progress,
                        const std::atomic<bool>& stop) {
    const std::unique_ptr<FileSystem> target = state.env.files.OtherFolder(TrimBlanks(targetFolder));
    if (!SameFolder(state.env.files, *target) && !ReportIfFailed(state.env.dialogs, CheckFolder(*target)))
        return BackupOutcome::Failed;
    return CopyDataFiles(state, *target, progress, stop);
}

}  // namespace tessamo
