#include "backups/Restore.h"

#include <set>

#include "backups/BackupFiles.h"
#include "backups/Checksum.h"
#include "backups/FolderId.h"
#include "core/FixedText.h"
#include "journal/Transaction.h"
#include "tools/Backup.h"

namespace tessamo {
namespace {

Message RestoreQuestion(const std::string& name) {
    return ConfirmYesNo("Restore the backup " + name +
                            "?\r\nToday's files are backed up first, then replaced by those of the backup.",
                        MessageIcon::Question);
}

Message OtherFolderQuestion(const std::string& name) {
    return ConfirmYesNo("The backup " + name +
                            " was made from another data folder, not this one.\r\nRestore it here anyway?"
                            "\r\nToday's files are backed up first, then replaced by those of the backup.",
                        MessageIcon::Exclamation);
}

RestoreResult Ended(RestoreOutcome outcome, Status failure) {
    RestoreResult result;
    result.outcome = outcome;
    result.failure = std::move(failure);
    return result;
}

// The pinned line's word: the backup's name, or a plain folder's last part
// with blanks and anything unusual as "_".
std::string PinnedName(const std::string& label) {
    std::string name = label.substr(label.find_last_of('/') == std::string::npos ? 0 : label.find_last_of('/') + 1);
    for (char& c : name)
        if (c == ' ' || !IsPlainFileName(std::string(1, c))) c = '_';
    return name.empty() || name == "." || name == ".." ? std::string("folder") : name;
}

bool SameAsToday(const FileSystem& data, const DataFile& file) {
    std::string today;
    return data.Exists(file.name) && data.ReadAll(file.name, today).ok() && today == file.bytes;
}

// Asks `question`, backs today's files up into a safety copy, then puts
// `files` in place of today's in one transaction.
RestoreResult RestoreAsked(FileSystem& data, FileSystem& root, const std::vector<DataFile>& files,
                           const std::string& label, const Message& question, const Clock& clock, Dialogs& dialogs,
                           bool ownFilesComplete) {
    if (dialogs.Show(question) != Answer::Yes) return Ended(RestoreOutcome::Declined, Status::Ok());
    RestoreResult result;
    result.before = MakeAutomaticBackup(data, root, clock, PinnedName(label));
    if (result.before.outcome == AutoBackupOutcome::Failed || result.before.outcome == AutoBackupOutcome::Bad) {
        result.outcome = RestoreOutcome::Refused;
        result.failure = result.before.problems.front();
        return result;
    }
    // Every file or none: a failure takes back the files restored before it.
    Transaction change(data, dialogs, "Restore of " + label);
    Status s;
    for (const DataFile& file : files) {
        if (SameAsToday(data, file)) continue;  // nothing to put back
        if (s = data.ReplaceWhole(file.name, kRestoreTempFileName, file.bytes); !s.ok()) break;
        result.restored.push_back(file.name);
    }
    // The folder's id stays: it tells this folder's backups from others'.
    for (const std::string& own : ownFilesComplete && s.ok() ? OwnFileNames() : std::vector<std::string>{})
        if (own != kFolderIdFileName && !FindDataFile(files, own) && data.Exists(own))
            if (s = data.Remove(own); !s.ok()) break;
    if (s.ok() && !change.Commit()) s = change.Failure();
    if (s.ok()) {
        result.outcome = RestoreOutcome::Restored;
        return result;
    }
    // Taken back whole, it is a restore that did not happen; only a rollback
    // that failed leaves files restored.
    result.outcome = s.IsUnfinished() ? RestoreOutcome::Failed : RestoreOutcome::Refused;
    if (!s.IsUnfinished()) result.restored.clear();
    result.failure = s;
    return result;
}

}  // namespace

Status ReadBackup(const FileSystem& root, const std::string& name, const std::string& folderId, BackupEntry& entry,
                  std::vector<DataFile>& files) {
    files.clear();
    FolderHandle top, folder;
    if (Status s = FolderHandle::Open(root.Folder(), top); !s.ok()) return s;
    // Sizes first; each checksum as the copy is read, so it is read once.
    if (Status s = CheckBackup(top, name, folderId, entry, Verify::Sizes); !s.ok()) return s;
    const std::string path = root.Folder() + "/" + name;
    if (!entry.ours) return Status::InvalidArgument(path, "the backup is of another data folder");
    if (!entry.good) return Status::Corruption(path, "the backup is bad: " + entry.problem);
    if (Status s = top.Sub(name, folder); !s.ok()) return s;
    for (const ManifestFile& f : entry.manifest.files) {
        DataFile file{f.name, {}};
        if (Status s = folder.Read(f.name, file.bytes); !s.ok()) return s;
        if (Crc32Of(file.bytes) != f.crc || file.bytes.size() != f.size) {
            entry.good = false;
            entry.problem = f.name + " has changed since it was copied";
            return Status::Corruption(path, "the backup is bad: " + entry.problem);
        }
        files.push_back(std::move(file));
    }
    return Status::Ok();
}

void LeaveTheirFolderId(std::vector<DataFile>& files) {
    std::erase_if(files, [](const DataFile& file) { return ToUpperAscii(file.name) == ToUpperAscii(kFolderIdFileName); });
}

Status ReadPlainFolder(const std::string& path, std::vector<DataFile>& files) {
    files.clear();
    FolderHandle folder;
    if (Status s = FolderHandle::Open(path, folder); !s.ok()) return s;
    std::set<std::string> seen;
    for (const std::string& name : folder.Files()) {
        if (!IsPlainFileName(name) || !IsBackupFile(name)) continue;
        if (!seen.insert(ToUpperAscii(name)).second)
            return Status::InvalidArgument(path + "/" + name, "a second file of that name in another letter case");
        DataFile file{name, {}};
        if (Status s = folder.Read(name, file.bytes); !s.ok()) return s;
        files.push_back(std::move(file));
    }
    if (files.empty()) return Status::NotFound(path, "no data files (*.dat, *.mcr, *.nts) in the folder");
    return Status::Ok();
}

RestoreResult RestoreBackup(FileSystem& data, FileSystem& root, const std::string& name, const Clock& clock,
                            Dialogs& dialogs) {
    BackupEntry entry;
    std::vector<DataFile> files;
    std::string id;
    Status s = ReadFolderId(data, id);
    if (s.ok()) s = ReadBackup(root, name, id, entry, files);
    if (!s.ok()) return Ended(RestoreOutcome::Refused, s);
    return RestoreFiles(data, root, files, name, clock, dialogs, !entry.manifest.folder.empty());
}

RestoreResult RestoreFiles(FileSystem& data, FileSystem& root, const std::vector<DataFile>& files,
                           const std::string& label, const Clock& clock, Dialogs& dialogs, bool ownFilesComplete) {
    return RestoreAsked(data, root, files, label, RestoreQuestion(label), clock, dialogs, ownFilesComplete);
}

RestoreResult RestoreOtherFolderBackup(FileSystem& data, FileSystem& root, const std::string& name,
                                       const Clock& clock, Dialogs& dialogs) {
    BackupEntry probe, entry;
    std::vector<DataFile> files;
    std::string id;
    // Sizes only here: ReadBackup below verifies each checksum as it reads
    // the copy, so no file of the backup is read twice.
    FolderHandle top;
    Status s = ReadFolderId(data, id);
    if (s.ok()) s = FolderHandle::Open(root.Folder(), top);
    if (s.ok()) s = CheckBackup(top, name, "", probe, Verify::Sizes);
    const std::string& theirs = probe.manifest.folder;
    if (s.ok() && (theirs.empty() || theirs == id))
        s = Status::InvalidArgument(root.Folder() + "/" + name, "the backup is not of another data folder");
    if (s.ok()) s = ReadBackup(root, name, theirs, entry, files);
    if (!s.ok()) return Ended(RestoreOutcome::Refused, s);
    LeaveTheirFolderId(files);
    return RestoreAsked(data, root, files, name, OtherFolderQuestion(name), clock, dialogs, true);
}

Message RestoreEndMessage(const RestoreResult& result, const std::string& name) {
    const std::string saved = result.before.name.empty() ? std::string()
                                                         : "\r\nToday's files were backed up as " + result.before.name + ".";
    switch (result.outcome) {
        case RestoreOutcome::Declined:
            return Message{""};
        case RestoreOutcome::Restored:
            return Message{"Restored " + std::to_string(result.restored.size()) + " files from " + name + "." + saved};
        case RestoreOutcome::Refused:
            return Message{"Nothing was restored:\r\n" + result.failure.ToString(), kProgramTitle,
                           MessageIcon::Exclamation};
        case RestoreOutcome::Failed:
            break;
    }
    std::string text = "The restore stopped at\r\n" + result.failure.ToString() + "\r\nRestored before that: " +
                       std::to_string(result.restored.size()) + " files." + saved;
    return Message{text, kProgramTitle, MessageIcon::Exclamation};
}

}  // namespace tessamo
