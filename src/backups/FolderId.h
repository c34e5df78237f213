#pragma once
// FolderId: the identity of a data folder, a random id kept in a small file
// of ours in it, "data-folder-id.txt", made the first time a backup needs it.
// Every backup's manifest names it, so the backups of two data folders in
// one backup folder are told apart. A copied data folder keeps the file and
// so shares the id: the two then count each other's backups as their own;
// removing the file in the copy gives the copy an id of its own.
#include <string>

#include "platform/FileSystem.h"

namespace tessamo {

inline constexpr const char* kFolderIdFileName = "data-folder-id.txt";

// The id, or "" when the folder has none yet (or the file holds no id).
Status ReadFolderId(const FileSystem& data, std::string& id);
// The id, made and written (atomically) when the folder has none.
Status EnsureFolderId(const FileSystem& data, std::string& id);

}  // namespace tessamo
