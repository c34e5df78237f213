#include "backups/AutoBackup.h"

#include "backups/BackupList.h"
#include "backups/Manifest.h"
#include "backups/Rotation.h"
#include "core/DataFolderGuard.h"
#include "tools/Backup.h"

namespace tessamo {
namespace {

std::vector<ManifestFile> Describe(const std::vector<DataFile>& files) {
    std::vector<ManifestFile> described;
    for (const DataFile& f : files) described.push_back(DescribeFile(f.name, f.bytes));
    return described;
}

bool SameFiles(const std::vector<ManifestFile>& now, const Manifest& last) {
    if (now.size() != last.files.size()) return false;
    for (std::size_t i = 0; i < now.size(); ++i)
        if (!now[i].SameContent(last.files[i])) return false;
    return true;
}

// The folder's name at `moment`, a second later for each name already taken.
std::string FreeName(const FileSystem& root, BackupTime moment) {
    std::string name = BackupFolderName(moment);
    while (root.Exists(name) || root.Exists(name + kPartialSuffix)) name = BackupFolderName(moment = NextSecond(moment));
    return name;
}

// Folders a cut-off run left half filled.
void RemovePartialFolders(FileSystem& root, std::vector<Status>& problems) {
    const std::string suffix = kPartialSuffix;
    for (const std::string& name : root.Folders()) {
        BackupTime ignored;
        if (name.size() <= suffix.size() || name.substr(name.size() - suffix.size()) != suffix ||
            !ParseBackupFolderName(name.substr(0, name.size() - suffix.size()), ignored))
            continue;
        if (Status s = root.RemoveFolder(name); !s.ok()) problems.push_back(s);
    }
}

// Writes one copy and reads it back. A copy that cannot be written is a
// failure of the run (returned); one that reads back otherwise is a bad copy.
Status CopyChecked(FileSystem& folder, const DataFile& file, const DataFolderGuard& guard, std::vector<Status>& bad) {
    bool refused = false;
    Status s = folder.WriteOutputFile(file.name, kBackupTempFileName, file.bytes, false,
                                      guard.Check(Status::InvalidArgument(folder.PathOf(file.name), "a file of the data folder"), refused));
    if (!s.ok()) return s;
    std::string back;
    if (Status r = folder.ReadAll(file.name, back); !r.ok()) bad.push_back(r);
    else if (back != file.bytes) bad.push_back(Status::Corruption(folder.PathOf(file.name), "the copy reads back different"));
    return Status::Ok();
}

void Rotate(FileSystem& root, AutoBackupResult& result) {
    for (const std::string& name : FoldersToRemove(ListBackups(root))) {
        if (Status s = root.RemoveFolder(name); !s.ok()) result.problems.push_back(s);
        else result.removed.push_back(name);
    }
}

AutoBackupResult Failed(Status problem) {
    AutoBackupResult result;
    result.outcome = AutoBackupOutcome::Failed;
    result.problems.push_back(std::move(problem));
    return result;
}

// Fills the folder `partial` with checked copies and the manifest.
Status FillFolder(const FileSystem& data, FileSystem& root, const std::string& partial,
                  const std::vector<DataFile>& files, Manifest& manifest, std::vector<Status>& bad) {
    if (Status s = root.MakeFolder(partial); !s.ok()) return s;
    const std::unique_ptr<FileSystem> folder = BackupFolder(root, partial);
    const DataFolderGuard guard(data);
    for (const DataFile& file : files)
        if (Status s = CopyChecked(*folder, file, guard, bad); !s.ok()) return s;
    manifest.files = Describe(files);
    manifest.good = bad.empty();
    if (!bad.empty()) manifest.problem = bad.front().ToString();
    return folder->WriteOutputFile(kManifestName, kBackupTempFileName, ManifestText(manifest), false,
                                   [](const FileInfo&) { return Status::Ok(); });
}

}  // namespace

Status ReadDataFiles(const FileSystem& data, std::vector<DataFile>& files) {
    files.clear();
    for (const std::string& name : BackupFileList(data)) {
        DataFile file{name, {}};
        if (Status s = data.ReadAll(name, file.bytes); !s.ok()) return s;
        files.push_back(std::move(file));
    }
    return Status::Ok();
}

AutoBackupResult MakeAutomaticBackup(const FileSystem& data, FileSystem& root, const Clock& clock, AfterBackup after) {
    std::vector<DataFile> files;
    if (Status s = ReadDataFiles(data, files); !s.ok()) return Failed(s);
    if (Status s = root.MakeFolder("."); !s.ok()) return Failed(s);
    AutoBackupResult result;
    const std::vector<BackupEntry> existing = ListBackups(root);
    if (const BackupEntry* last = NewestGood(existing); last && SameFiles(Describe(files), last->manifest))
        return result;
    RemovePartialFolders(root, result.problems);
    const std::string name = FreeName(root, BackupTime{clock.Today(), clock.TimeNow()});
    const std::string partial = name + kPartialSuffix;
    Manifest manifest;
    std::vector<Status> bad;
    Status s = FillFolder(data, root, partial, files, manifest, bad);
    if (s.ok()) s = root.Rename(partial, name);
    if (!s.ok()) {
        (void)root.RemoveFolder(partial);  // the failure told below is the one that matters
        AutoBackupResult failed = Failed(s);
        failed.problems.insert(failed.problems.end(), result.problems.begin(), result.problems.end());
        return failed;
    }
    result.name = name;
    result.problems.insert(result.problems.begin(), bad.begin(), bad.end());
    result.outcome = bad.empty() ? AutoBackupOutcome::Made : AutoBackupOutcome::Bad;
    if (result.outcome == AutoBackupOutcome::Made && after == AfterBackup::Rotate) Rotate(root, result);
    return result;
}

Message AutoBackupMessage(const AutoBackupResult& result, const std::string& rootFolder) {
    if (result.problems.empty()) return Message{""};
    std::string text;
    switch (result.outcome) {
        case AutoBackupOutcome::Failed:
            text = "The automatic backup into " + rootFolder + " failed:";
            break;
        case AutoBackupOutcome::Bad:
            text = "The automatic backup " + result.name + " did not check and is marked bad:";
            break;
        default:
            text = "The automatic backup " + result.name + " was made, but:";
            break;
    }
    for (const Status& s : result.problems) text += "\r\n" + s.ToString();
    if (result.outcome != AutoBackupOutcome::Made) text += "\r\nIt is tried again at the next close.";
    return Message{text, kProgramTitle, MessageIcon::Exclamation};
}

}  // namespace tessamo
