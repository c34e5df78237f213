#pragma once
// Whole files turned from one side of their recorded changes to the other:
// what a rollback, an undo and a redo do. Each file is read once, turned in
// memory through all of its changes, and written once.
#include <map>
#include <string>
#include <vector>

#include "journal/FileChange.h"
#include "platform/FileSystem.h"

namespace tessamo {

Status ReadImage(const FileSystem& files, const std::string& name, FileImage& image);
// Makes the file `wanted` when it shows `current`: a small change in place,
// a larger one as a whole new file (temp file, fsync, rename), a removal.
Status WriteImage(FileSystem& files, const std::string& name, const FileImage& current, const FileImage& wanted);

// Files as read and as they are to become, by name.
struct TurnedFiles {
    std::map<std::string, FileImage> read, turned;
    // Writes every file whose turned image differs from what was read, in
    // name order; the names written so far in `written`.
    Status Write(FileSystem& files, std::vector<std::string>& written) const;
};

// Turns `changes` back, newest first, on the files as `files` holds them
// (read into `images` on first use). A change whose file already shows its
// old side is passed over (it never reached the disk); a file showing
// neither side fails with its name.
Status TurnBackChanges(const FileSystem& files, const std::vector<FileChange>& changes, TurnedFiles& images);

// Rolls back an unfinished transaction's changes on `files`. When that fails,
// `failure` is Unfinished and says which files hold their old bytes and
// which could not be given them back.
Status RollBackChanges(FileSystem& files, const std::vector<FileChange>& changes);

}  // namespace tessamo
