#pragma once
// FileSystem: every access of the program to its data folder. All names are
// plain file names inside that one folder, matched without regard to letter
// case (an existing "1999CATS.DAT" answers for "1999cats.dat"); a file that
// does not exist yet is created under the name as given.
//
// Rules every implementation keeps:
//  - no file stays open after a call returns;
//  - ReplaceWhole() is atomic: the file is afterwards either wholly the old
//    content or wholly the new one (temp file, fsync, rename);
//  - failures come back as Status with the file name and the system's reason,
//    and leave the data file as it was.
// Tests swap in a wrapper that fails chosen operations (FaultyFileSystem).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Status.h"

namespace tessamo {

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
};

}  // namespace tessamo
