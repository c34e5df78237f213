#pragma once
// BackupRemoval: a backup leaves the backup folder by being renamed out of
// sight first (".removing-<name>", a name no listing shows) and removed
// then, so a removal cut off half-way never leaves a half-deleted backup
// listed; the next backup clears what is left.
#include <string>

#include "platform/FileSystem.h"
#include "platform/FolderHandle.h"

namespace tessamo {

inline constexpr const char* kRemovingPrefix = ".removing-";

Status RemoveBackupFolder(const FolderHandle& top, const std::string& name);

// Removes the safety copy `name` (made before a restore, and kept by
// rotation until the user removes it) of the data folder `folderId`;
// any other backup is refused.
Status RemoveSafetyCopy(const FileSystem& root, const std::string& name, const std::string& folderId);

}  // namespace tessamo
