#include "backups/Restore.h"

#include "journal/Transaction.h"

namespace tessamo {
namespace {

Message RestoreQuestion(const std::string& name) {
    return ConfirmYesNo("Restore the backup " + name +
                            "?\r\nToday's files are backed up first, then replaced by those of the backup.",
                        MessageIcon::Question);
}

RestoreResult Ended(RestoreOutcome outcome, Status failure) {
    RestoreResult result;
    result.outcome = outcome;
    result.failure = std::move(failure);
    return result;
}

}  // namespace

Status ReadBackup(const FileSystem& root, const std::string& name, BackupEntry& entry, std::vector<DataFile>& files) {
    files.clear();
    if (Status s = CheckBackup(root, name, entry); !s.ok()) return s;
    if (!entry.good) return Status::Corruption(root.Folder() + "/" + name, "the backup is bad: " + entry.problem);
    const std::unique_ptr<FileSystem> folder = BackupFolder(root, name);
    for (const ManifestFile& f : entry.manifest.files) {
        DataFile file{f.name, {}};
        if (Status s = folder->ReadAll(f.name, file.bytes); !s.ok()) return s;
        files.push_back(std::move(file));
    }
    return Status::Ok();
}

RestoreResult RestoreBackup(FileSystem& data, FileSystem& root, const std::string& name, const Clock& clock,
                            Dialogs& dialogs) {
    BackupEntry entry;
    std::vector<DataFile> files;
    if (Status s = ReadBackup(root, name, entry, files); !s.ok()) return Ended(RestoreOutcome::Refused, s);
    if (dialogs.Show(RestoreQuestion(name)) != Answer::Yes) return Ended(RestoreOutcome::Declined, Status::Ok());
    RestoreResult result;
    result.before = MakeAutomaticBackup(data, root, clock, AfterBackup::KeepAll);
    if (result.before.outcome == AutoBackupOutcome::Failed || result.before.outcome == AutoBackupOutcome::Bad) {
        result.outcome = RestoreOutcome::Refused;
        result.failure = result.before.problems.front();
        return result;
    }
    // Every file or none: a failure takes back the files restored before it.
    Transaction change(data, dialogs, "Restore of " + name);
    Status s;
    for (const DataFile& file : files) {
        if (s = data.ReplaceWhole(file.name, kRestoreTempFileName, file.bytes); !s.ok()) break;
        result.restored.push_back(file.name);
    }
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
