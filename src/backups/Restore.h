#pragma once
// Restore: puts the files of an automatic backup back into the data folder.
// The backup is read and checked first (every checksum) and refused when bad
// or of another data folder (RestoreOtherFolderBackup takes such a backup
// after a question that says where it came from). After the user said yes, today's files are
// backed up into a pinned safety copy (a backup that fails stops the
// restore, so nothing of today is lost), then the files of the backup replace
// their namesakes in one transaction: all of them or none. Only files of the
// kinds a backup holds are written, under plain names, into the data folder
// alone. Files the backup does not hold stay, but for our own files (import
// ids and rules, schedules): a backup that names its data folder holds
// every one that existed, so one it lacks did not exist then and goes (the
// kept import ids would otherwise make a re-import skip restored-away lines).
//
// A plain folder made by the Backup window (copies without a manifest) is
// restored the same way; its "*.dat", "*.mcr" and "*.nts" files are taken as
// they are, as nothing can check them.
#include <string>
#include <vector>

#include "backups/AutoBackup.h"
#include "backups/BackupList.h"

namespace tessamo {

inline constexpr const char* kRestoreTempFileName = "temp.$$$";

// Reads every file of the backup `name`, checked against its manifest.
// Corruption, with what is wrong, when the backup is bad.
Status ReadBackup(const FileSystem& root, const std::string& name, const std::string& folderId, BackupEntry& entry,
                  std::vector<DataFile>& files);
// Takes the folder id file out of another data folder's backup: this folder
// keeps its own id, or its rotation would take their backups for its own.
void LeaveTheirFolderId(std::vector<DataFile>& files);
// Reads the data files of a plain folder (links and other entries left out).
Status ReadPlainFolder(const std::string& folder, std::vector<DataFile>& files);

enum class RestoreOutcome { Declined, Restored, Refused, Failed };

struct RestoreResult {
    RestoreOutcome outcome = RestoreOutcome::Declined;
    AutoBackupResult before;             // the backup of today's files
    std::vector<std::string> restored;   // the files replaced, in order
    Status failure;                      // why it was refused or failed
};

RestoreResult RestoreBackup(FileSystem& data, FileSystem& root, const std::string& name, const Clock& clock,
                            Dialogs& dialogs);
// Restores `files` (read from `label`: a plain folder) after the same
// question and safety copy; `ownFilesComplete` when our own files the files
// lack are to go.
RestoreResult RestoreFiles(FileSystem& data, FileSystem& root, const std::vector<DataFile>& files,
                           const std::string& label, const Clock& clock, Dialogs& dialogs,
                           bool ownFilesComplete = false);
// Restores the backup `name` made of another data folder (one whose
// manifest names a folder id not ours): checked as its own folder's backups
// are, asked with a question that says where it came from, then restored
// as RestoreBackup does, but for their id file: this folder keeps its id.
// Refused when the backup is ours or names no folder.
RestoreResult RestoreOtherFolderBackup(FileSystem& data, FileSystem& root, const std::string& name,
                                       const Clock& clock, Dialogs& dialogs);

// The end message: what was restored, or why not (empty text when declined).
Message RestoreEndMessage(const RestoreResult& result, const std::string& name);

}  // namespace tessamo
