#pragma once
// FolderHandle: a folder held open by its descriptor, for a folder whose
// content nobody vouches for (a backup folder on a stick, a share, a copy
// someone handed over). Every name is one plain entry of this folder, opened
// relative to the descriptor and never through a link: a link, a device or a
// pipe under a name is refused, not followed. The folder itself is reached
// through its path once, when it is opened.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Status.h"

namespace tessamo {

// What the closing check compares without reading a file: its size, the
// time it was last written (nanoseconds) and its inode.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t mtime = 0;
    std::uint64_t inode = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

class FolderHandle {
public:
    FolderHandle() = default;
    ~FolderHandle();
    FolderHandle(FolderHandle&& other) noexcept;
    FolderHandle& operator=(FolderHandle&& other) noexcept;
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    // Opens the folder at `path` (links on the way are the user's choice).
    static Status Open(const std::string& path, FolderHandle& folder);
    // Opens the folder `name` inside this one; a link under the name is refused.
    Status Sub(const std::string& name, FolderHandle& folder) const;

    const std::string& Path() const { return path_; }
    bool IsOpen() const { return fd_ >= 0; }

    // The regular files, and the folders, of this folder (links left out).
    std::vector<std::string> Files() const;
    std::vector<std::string> Folders() const;
    // Every entry that is no regular file: folders, links, devices, pipes.
    std::vector<std::string> NotFiles() const;
    bool HasFile(const std::string& name) const;
    // True when anything is under the name (a link too).
    bool Exists(const std::string& name) const;

    // A regular file's bytes, or its stamp; anything else under the name is refused.
    Status Read(const std::string& name, std::string& bytes) const;
    Status Stamp(const std::string& name, FileStamp& stamp) const;

    // Makes the folder `name` (0700); one that exists already is refused.
    Status MakeFresh(const std::string& name) const;
    // Writes a new file (0600) and flushes it to disk; an existing name is refused.
    Status WriteNew(const std::string& name, const std::string& bytes) const;
    // Renames an entry of this folder; an existing `to` is refused.
    Status Rename(const std::string& from, const std::string& to) const;
    // Removes the folder `name` and the plain entries in it (links themselves).
    Status RemoveFolder(const std::string& name) const;
    // Flushes the folder's entries to disk.
    Status Sync() const;

    // Refuses a folder that another user owns or that others may write into,
    // as nobody else may place or swap anything in a household's backups.
    Status CheckPrivate() const;

private:
    std::string PathOf(const std::string& name) const { return path_ + "/" + name; }
    std::vector<std::string> Entries(bool (*wanted)(unsigned mode)) const;

    int fd_ = -1;
    std::string path_;
};

}  // namespace tessamo
