#pragma once
// FileSystem: every access of the program to its data folder. All names are
// plain file names inside that one folder, matched without regard to letter
// case (an existing "1999CATS.DAT" answers for "1999cats.dat"); a file that
// does not exist yet is created under the name as given.
//
// Rules every implementation keeps:
//  - no file stays open after a call returns;
//  - ReplaceWhole() and WriteOutputPieces() are atomic: the file is afterwards
//    either wholly the old content or wholly the new one (temp file, fsync,
//    rename). A temp file is made fresh: a leftover of its name is removed
//    (a link itself, never what it points to) and the file is created
//    exclusively, without following links, readable by the owner alone;
//  - a write goes to what a link points to, so the link stays a link;
//  - a rewrite refuses a file that is not writable ("Permission denied") and
//    keeps the file's mode (and owner where it can); new files are 0600;
//  - failures come back as Status with the file name and the system's reason,
//    and leave the data file as it was.
// Tests swap in a wrapper that fails chosen operations (FaultyFileSystem).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Status.h"

namespace tessamo {

// A file on disk by device and inode, whatever names or links lead to it.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

enum class FileKind { Missing, Regular, Directory, Other /* a device, a pipe, a socket */ };

// Where a name leads once its links are followed.
struct FileInfo {
    FileKind kind = FileKind::Missing;
    FileIdentity file;     // the file itself; meaningful unless Missing
    FileIdentity folder;   // the folder holding the final entry
    std::string name;      // the final entry's name in that folder
};

// Decides whether an output file may be written where it leads; returns a
// failed Status to refuse it (that Status is handed back unchanged).
using OutputCheck = std::function<Status(const FileInfo& target)>;

// An output file's bytes in pieces, so a long one is never held whole: each
// call points `piece` at the next bytes (valid until the next call) and
// returns false once there are no more.
using OutputPieces = std::function<bool(std::string_view& piece)>;

// `bytes` as a single piece (they must outlive the writing).
inline OutputPieces OnePiece(std::string_view bytes) {
    return [bytes, given = false](std::string_view& piece) mutable {
        piece = bytes;
        return !std::exchange(given, true);
    };
}

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The folder all names are relative to (absolute path).
    virtual const std::string& Folder() const = 0;
    // The name on disk that answers for `name`: the existing entry whose name
    // equals it case-insensitively (the exact spelling preferred), else `name`.
    virtual std::string Resolve(const std::string& name) const = 0;
    // Full path of Resolve(name).
    virtual std::string PathOf(const std::string& name) const = 0;

    virtual bool Exists(const std::string& name) const = 0;
    // Length in bytes; 0 for a missing file.
    virtual Status FileLength(const std::string& name, std::uint64_t& length) const = 0;
    // Whole content; a missing file reads as empty (it is not created).
    virtual Status ReadAll(const std::string& name, std::string& bytes) const = 0;
    // Up to `length` bytes from `offset` (fewer where the file ends sooner; a
    // missing file reads as empty). This base reads the whole file; the real
    // one reads the range alone.
    virtual Status ReadRange(const std::string& name, std::uint64_t offset, std::uint64_t length,
                             std::string& bytes) const {
        if (Status s = ReadAll(name, bytes); !s.ok()) return s;
        bytes = offset < bytes.size() ? bytes.substr(offset, length) : std::string();
        return Status::Ok();
    }
    // Creates the file empty when it is missing (opening a record file does that).
    virtual Status CreateIfMissing(const std::string& name) = 0;
    // Overwrites `bytes.size()` bytes at `offset` in place (creating the file if
    // missing); writing at the end appends. Used for single-record changes.
    virtual Status WriteAt(const std::string& name, std::uint64_t offset, const std::string& bytes) = 0;
    // Appends to the end of the file, creating it when missing.
    virtual Status Append(const std::string& name, const std::string& bytes) = 0;
    // Builds `bytes` under `tempName` (truncating any leftover of it), flushes
    // and fsyncs it, and renames it over `name`.
    virtual Status ReplaceWhole(const std::string& name, const std::string& tempName,
                                const std::string& bytes) = 0;
    virtual Status Remove(const std::string& name) = 0;  // a missing file is no error
    virtual Status Rename(const std::string& from, const std::string& to) = 0;
    // Names of the regular files in the folder.
    virtual std::vector<std::string> List() const = 0;
    // Names of the folders in the folder (links to folders included).
    virtual std::vector<std::string> Folders() const = 0;
    // Makes the folder `name` (0700, owner only); "." makes this folder
    // itself with every missing parent. An existing folder is no error.
    virtual Status MakeFolder(const std::string& name) = 0;
    // Removes the folder `name` and the files in it; a folder inside it is
    // refused and a missing folder is no error. Rename() moves folders too.
    virtual Status RemoveFolder(const std::string& name) = 0;

    // What `name` leads to ("." is the folder itself). A missing file, or a
    // missing folder, is kind Missing and no error.
    virtual Status Inspect(const std::string& name, FileInfo& info) const = 0;
    // The same kind of file system over another folder (an absolute path):
    // the target folder of an export or a backup.
    virtual std::unique_ptr<FileSystem> OtherFolder(const std::string& folder) const = 0;
    // Writes an output file (an export, a backup copy): the complete result —
    // the file's present content first when `keepContent`, then `bytes` — is
    // built under `tempName` beside the file a link leads to and renamed over
    // it. `check` sees the file as opened (or, when missing, where it would be
    // made) before anything is written, and may refuse it. A device or a pipe
    // is written straight through.
    virtual Status WriteOutputPieces(const std::string& name, const std::string& tempName,
                                     const OutputPieces& pieces, bool keepContent, const OutputCheck& check) = 0;
    // The same with the bytes in one piece.
    Status WriteOutputFile(const std::string& name, const std::string& tempName, const std::string& bytes,
                           bool keepContent, const OutputCheck& check) {
        return WriteOutputPieces(name, tempName, OnePiece(bytes), keepContent, check);
    }
};

}  // namespace tessamo
