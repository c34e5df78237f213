#include "backups/BackupList.h"

#include <algorithm>

#include "backups/Checksum.h"

namespace tessamo {
namespace {

void MarkBad(BackupEntry& entry, std::string problem) {
    if (!entry.good) return;  // the first problem is the one told
    entry.good = false;
    entry.problem = std::move(problem);
}

// Reads the manifest and, when `readCopies`, every copy; else only the sizes.
void Examine(const FileSystem& folder, bool readCopies, BackupEntry& entry) {
    entry.good = true;
    if (!folder.Exists(kManifestName)) return MarkBad(entry, "the manifest is missing");
    std::string text;
    Status s = folder.ReadAll(kManifestName, text);
    if (s.ok()) s = ParseManifest(text, folder.PathOf(kManifestName), entry.manifest);
    if (!s.ok()) return MarkBad(entry, s.ToString());
    if (!entry.manifest.good) return MarkBad(entry, entry.manifest.problem);
    for (const ManifestFile& file : entry.manifest.files) {
        std::uint64_t size = 0;
        if (!folder.Exists(file.name)) return MarkBad(entry, file.name + " is missing");
        if (Status sz = folder.FileLength(file.name, size); !sz.ok()) return MarkBad(entry, sz.ToString());
        if (size != file.size) return MarkBad(entry, file.name + " has another length than when it was copied");
        if (!readCopies) continue;
        std::string bytes;
        if (Status r = folder.ReadAll(file.name, bytes); !r.ok()) return MarkBad(entry, r.ToString());
        if (Crc32Of(bytes) != file.crc) return MarkBad(entry, file.name + " has changed since it was copied");
    }
}

}  // namespace

std::unique_ptr<FileSystem> BackupFolder(const FileSystem& root, const std::string& name) {
    return root.OtherFolder(root.Folder() + "/" + name);
}

std::vector<BackupEntry> ListBackups(const FileSystem& root) {
    std::vector<BackupEntry> entries;
    for (const std::string& name : root.Folders()) {
        BackupEntry entry;
        if (!ParseBackupFolderName(name, entry.time)) continue;
        entry.name = name;
        Examine(*BackupFolder(root, name), false, entry);
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return entries;
}

Status CheckBackup(const FileSystem& root, const std::string& name, BackupEntry& entry) {
    entry = BackupEntry{};
    FileInfo info;
    const std::unique_ptr<FileSystem> folder = BackupFolder(root, name);
    if (Status s = folder->Inspect(".", info); !s.ok()) return s;
    if (!ParseBackupFolderName(name, entry.time) || info.kind != FileKind::Directory)
        return Status::NotFound(folder->Folder(), "no such backup");
    entry.name = name;
    Examine(*folder, true, entry);
    return Status::Ok();
}

const BackupEntry* NewestGood(const std::vector<BackupEntry>& entries) {
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        if (it->good) return &*it;
    return nullptr;
}

}  // namespace tessamo
