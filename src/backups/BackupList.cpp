#include "backups/BackupList.h"

#include <algorithm>
#include <iterator>

#include "backups/Checksum.h"

namespace tessamo {
namespace {

void MarkBad(BackupEntry& entry, std::string problem) {
    if (!entry.good) return;  // the first problem is the one told
    entry.good = false;
    entry.problem = std::move(problem);
}

void ExamineCopy(const FolderHandle& folder, const ManifestFile& file, Verify verify, BackupEntry& entry) {
    FileStamp stamp;
    if (Status s = folder.Stamp(file.name, stamp); s.IsNotFound()) return MarkBad(entry, file.name + " is missing");
    else if (!s.ok()) return MarkBad(entry, s.ToString());
    if (stamp.size != file.size) return MarkBad(entry, file.name + " has another length than when it was copied");
    if (verify == Verify::Sizes) return;
    std::string bytes;
    if (Status r = folder.Read(file.name, bytes); !r.ok()) return MarkBad(entry, r.ToString());
    if (Crc32Of(bytes) != file.crc) MarkBad(entry, file.name + " has changed since it was copied");
}

// Reads the manifest and checks each copy it names.
void Examine(const FolderHandle& folder, const std::string& folderId, Verify verify, BackupEntry& entry) {
    entry.good = true;
    if (!folder.HasFile(kManifestName)) return MarkBad(entry, "the manifest is missing");
    std::string text;
    Status s = folder.Read(kManifestName, text);
    if (s.ok()) s = ParseManifest(text, folder.Path() + "/" + kManifestName, entry.manifest);
    if (!s.ok()) return MarkBad(entry, s.ToString());
    entry.ours = entry.manifest.folder.empty() || entry.manifest.folder == folderId;
    if (!entry.manifest.good) return MarkBad(entry, entry.manifest.problem);
    for (const ManifestFile& file : entry.manifest.files) ExamineCopy(folder, file, verify, entry);
}

std::vector<BackupEntry> Filtered(const std::vector<BackupEntry>& entries, bool ours) {
    std::vector<BackupEntry> kept;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(kept), [&](const auto& e) { return e.ours == ours; });
    return kept;
}

}  // namespace

std::vector<BackupEntry> ListBackups(const FolderHandle& root, const std::string& folderId, Verify verify) {
    std::vector<BackupEntry> entries;
    for (const std::string& name : root.Folders()) {
        BackupEntry entry;
        FolderHandle folder;
        if (!ParseBackupFolderName(name, entry.time) || !root.Sub(name, folder).ok()) continue;
        entry.name = name;
        Examine(folder, folderId, verify, entry);
        entries.push_back(std::move(entry));
    }
    return entries;  // Folders() are sorted, and so are the names of moments
}

std::vector<BackupEntry> ListBackups(const FileSystem& root, const std::string& folderId, Verify verify) {
    FolderHandle folder;
    if (!FolderHandle::Open(root.Folder(), folder).ok()) return {};
    return ListBackups(folder, folderId, verify);
}

Status CheckBackup(const FolderHandle& root, const std::string& name, const std::string& folderId, BackupEntry& entry,
                   Verify verify) {
    entry = BackupEntry{};
    FolderHandle folder;
    if (!ParseBackupFolderName(name, entry.time)) return Status::NotFound(root.Path() + "/" + name, "no such backup");
    if (Status s = root.Sub(name, folder); !s.ok()) return s;
    entry.name = name;
    Examine(folder, folderId, verify, entry);
    return Status::Ok();
}

Status CheckBackup(const FileSystem& root, const std::string& name, const std::string& folderId, BackupEntry& entry) {
    FolderHandle folder;
    if (Status s = FolderHandle::Open(root.Folder(), folder); !s.ok()) return s;
    return CheckBackup(folder, name, folderId, entry);
}

std::vector<BackupEntry> OwnBackups(const std::vector<BackupEntry>& entries) { return Filtered(entries, true); }
std::vector<BackupEntry> OthersBackups(const std::vector<BackupEntry>& entries) { return Filtered(entries, false); }

const BackupEntry* NewestGood(const std::vector<BackupEntry>& entries) {
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        if (it->good) return &*it;
    return nullptr;
}

}  // namespace tessamo
