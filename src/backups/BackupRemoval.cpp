#include "backups/BackupRemoval.h"

#include "backups/BackupList.h"

namespace tessamo {

Status RemoveBackupFolder(const FolderHandle& top, const std::string& name) {
    const std::string hidden = kRemovingPrefix + name;
    if (Status s = top.Rename(name, hidden); !s.ok()) return s;
    return top.RemoveFolder(hidden);
}

Status RemoveSafetyCopy(const FileSystem& root, const std::string& name, const std::string& folderId) {
    FolderHandle top;
    Status s = FolderHandle::Open(root.Folder(), top);
    if (s.ok()) s = top.CheckPrivate();
    if (!s.ok()) return s;
    for (const BackupEntry& entry : ListBackups(top, folderId, Verify::Sizes)) {
        if (entry.name != name) continue;
        if (!entry.ours) return Status::InvalidArgument(top.Path() + "/" + name, "the backup is of another data folder");
        if (entry.manifest.pinned.empty())
            return Status::InvalidArgument(top.Path() + "/" + name, "not a safety copy made before a restore");
        return RemoveBackupFolder(top, name);
    }
    return Status::NotFound(top.Path() + "/" + name, "no such backup");
}

}  // namespace tessamo
