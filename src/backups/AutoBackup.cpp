#include "backups/AutoBackup.h"

#include "backups/BackupFiles.h"
#include "backups/BackupList.h"
#include "backups/BackupRemoval.h"
#include "backups/BackupStamps.h"
#include "backups/FolderId.h"
#include "backups/Manifest.h"
#include "backups/Rotation.h"
#include "core/FixedText.h"

namespace tessamo {
namespace {

// The data files to back up, and their stamps taken before they are read
// (none when one could not be taken: then the stamps are not kept).
struct LiveFiles {
    std::vector<std::string> names;
    std::vector<FileStamp> stamps;
    bool stamped = false;
};

LiveFiles StampLiveFiles(const FileSystem& data) {
    LiveFiles live;
    live.names = FilesToBackUp(data);
    FolderHandle folder;
    live.stamped = FolderHandle::Open(data.Folder(), folder).ok() && TakeStamps(folder, live.names, live.stamps);
    return live;
}

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

// Nothing read: the newest good backup's stamps say neither the data files
// nor its copies were written since.
bool UnchangedByStamps(const FolderHandle& top, const std::vector<BackupEntry>& ours, const LiveFiles& live) {
    const BackupEntry* last = NewestGood(ours);
    FolderHandle folder;
    return last && live.stamped && top.Sub(last->name, folder).ok() && StampsAgree(folder, live.names, live.stamps);
}

// The files against the newest backup whose checksums verify.
bool SameAsNewestVerified(const FolderHandle& top, const std::string& id, const std::vector<BackupEntry>& ours,
                          const std::vector<DataFile>& files) {
    for (auto it = ours.rbegin(); it != ours.rend(); ++it) {
        BackupEntry checked;
        if (!it->good || !CheckBackup(top, it->name, id, checked).ok() || !checked.good) continue;
        return SameFiles(Describe(files), checked.manifest);
    }
    return false;
}

std::string PartialName(const std::string& name, const std::string& id) { return name + kPartialSuffix + "-" + id; }

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Folders a cut-off run of this data folder left half filled (also of a run
// of an older version, without the id), and removals cut off half-way.
void RemoveLeftovers(const FolderHandle& top, const std::string& id, std::vector<Status>& problems) {
    for (const std::string& name : top.Folders()) {
        BackupTime ignored;
        const std::string suffix = kPartialSuffix;
        const bool partial = EndsWith(name, suffix + "-" + id) ||
                             (EndsWith(name, suffix) && ParseBackupFolderName(name.substr(0, name.size() - suffix.size()), ignored));
        if (!partial && name.rfind(kRemovingPrefix, 0) != 0) continue;
        if (Status s = top.RemoveFolder(name); !s.ok()) problems.push_back(s);
    }
}

// The folder's name at `moment`, a second later for each name already taken.
std::string FreeName(const FolderHandle& top, const std::string& id, BackupTime moment) {
    std::string name = BackupFolderName(moment);
    while (top.Exists(name) || top.Exists(PartialName(name, id))) name = BackupFolderName(moment = NextSecond(moment));
    return name;
}

// Writes one copy into the fresh folder and reads it back. A copy that
// cannot be written fails the run (returned); one that reads back otherwise
// is a bad copy.
Status CopyChecked(const FolderHandle& folder, const DataFile& file, std::vector<Status>& bad) {
    if (Status s = folder.WriteNew(file.name, file.bytes); !s.ok()) return s;
    std::string back;
    if (Status r = folder.Read(file.name, back); !r.ok()) bad.push_back(r);
    else if (back != file.bytes) bad.push_back(Status::Corruption(folder.Path() + "/" + file.name, "the copy reads back different"));
    return Status::Ok();
}

std::vector<FileStamps> CopyStamps(const FolderHandle& folder, const LiveFiles& live) {
    std::vector<FileStamps> stamps;
    for (std::size_t i = 0; live.stamped && i < live.names.size(); ++i) {
        FileStamps s{live.names[i], live.stamps[i], {}};
        if (!folder.Stamp(s.name, s.copy).ok()) return {};
        stamps.push_back(s);
    }
    return stamps;
}

// Makes the folder `partial` fresh and fills it, through its descriptor,
// with checked copies, the manifest and the stamps.
Status FillFolder(const FolderHandle& top, const std::string& partial, const std::vector<DataFile>& files,
                  const LiveFiles& live, Manifest& manifest, std::vector<Status>& bad) {
    FolderHandle folder;
    if (Status s = top.MakeFresh(partial); !s.ok()) return s;
    if (Status s = top.Sub(partial, folder); !s.ok()) return s;
    for (const DataFile& file : files)
        if (Status s = CopyChecked(folder, file, bad); !s.ok()) return s;
    manifest.files = Describe(files);
    manifest.good = bad.empty();
    if (!bad.empty()) manifest.problem = bad.front().ToString();
    if (Status s = folder.WriteNew(kManifestName, ManifestText(manifest)); !s.ok()) return s;
    const std::vector<FileStamps> stamps = CopyStamps(folder, live);
    if (!stamps.empty())
        if (Status s = folder.WriteNew(kStampsName, StampsText(stamps)); !s.ok()) return s;
    return folder.Sync();
}

void Rotate(const FolderHandle& top, const std::string& id, AutoBackupResult& result) {
    for (const std::string& name : FoldersToRemove(OwnBackups(ListBackups(top, id, Verify::Sizes)))) {
        if (Status s = RemoveBackupFolder(top, name); !s.ok()) result.problems.push_back(s);
        else result.removed.push_back(name);
    }
}

AutoBackupResult Failed(Status problem) {
    AutoBackupResult result;
    result.outcome = AutoBackupOutcome::Failed;
    result.problems.push_back(std::move(problem));
    return result;
}

// The backup folder, made when missing, held open and refused unless it is
// the user's alone; and the data folder's id.
Status OpenBackupFolder(const FileSystem& data, FileSystem& root, FolderHandle& top, std::string& id) {
    Status s = root.MakeFolder(".");
    if (s.ok()) s = FolderHandle::Open(root.Folder(), top);
    if (s.ok()) s = top.CheckPrivate();
    if (s.ok()) s = EnsureFolderId(data, id);
    return s;
}

Status ReadFiles(const FileSystem& data, const std::vector<std::string>& names, std::vector<DataFile>& files) {
    files.clear();
    for (const std::string& name : names) {
        DataFile file{name, {}};
        if (Status s = data.ReadAll(name, file.bytes); !s.ok()) return s;
        files.push_back(std::move(file));
    }
    return Status::Ok();
}

}  // namespace

const DataFile* FindDataFile(const std::vector<DataFile>& files, const std::string& name) {
    for (const DataFile& f : files)
        if (ToUpperAscii(f.name) == ToUpperAscii(name)) return &f;
    return nullptr;
}

Status ReadDataFiles(const FileSystem& data, std::vector<DataFile>& files) {
    return ReadFiles(data, FilesToBackUp(data), files);
}

AutoBackupResult MakeAutomaticBackup(const FileSystem& data, FileSystem& root, const Clock& clock,
                                     const std::string& beforeRestoring) {
    FolderHandle top;
    std::string id;
    if (Status s = OpenBackupFolder(data, root, top, id); !s.ok()) return Failed(s);
    const LiveFiles live = StampLiveFiles(data);
    const std::vector<BackupEntry> ours = OwnBackups(ListBackups(top, id, Verify::Sizes));
    const bool pinned = !beforeRestoring.empty();
    if (!pinned && UnchangedByStamps(top, ours, live)) return AutoBackupResult{};
    std::vector<DataFile> files;
    if (Status s = ReadFiles(data, live.names, files); !s.ok()) return Failed(s);
    if (!pinned && SameAsNewestVerified(top, id, ours, files)) return AutoBackupResult{};

    AutoBackupResult result;
    RemoveLeftovers(top, id, result.problems);
    const std::string name = FreeName(top, id, BackupTime{clock.Today(), clock.TimeNow()});
    const std::string partial = PartialName(name, id);
    Manifest manifest;
    manifest.folder = id;
    manifest.pinned = beforeRestoring;
    std::vector<Status> bad;
    Status s = FillFolder(top, partial, files, live, manifest, bad);
    if (s.ok()) s = top.Rename(partial, name);
    if (!s.ok()) {
        (void)top.RemoveFolder(partial);  // the failure told below is the one that matters
        AutoBackupResult failed = Failed(s);
        failed.problems.insert(failed.problems.end(), result.problems.begin(), result.problems.end());
        return failed;
    }
    result.name = name;
    result.problems.insert(result.problems.begin(), bad.begin(), bad.end());
    result.outcome = bad.empty() ? AutoBackupOutcome::Made : AutoBackupOutcome::Bad;
    if (result.outcome == AutoBackupOutcome::Made && !pinned) Rotate(top, id, result);
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
