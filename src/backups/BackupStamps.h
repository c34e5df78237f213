#pragma once
// BackupStamps: how the files of a backup stood on disk when it was made,
// kept beside the manifest as "STAMPS.TXT": for each file the data file's
// stamp (size, time written, inode; taken before it was read) and its copy's.
// The check at closing compares them with the files as they stand now and
// reads no byte when all agree: the data files were not written since, and
// no copy was written, replaced or swapped since. One that differs, or a
// missing or unreadable stamps file, only costs the full comparison.
//
//   <size> <data time> <data inode> <copy time> <copy inode> <name>
#include <string>
#include <vector>

#include "platform/FolderHandle.h"

namespace tessamo {

inline constexpr const char* kStampsName = "STAMPS.TXT";

struct FileStamps {
    std::string name;
    FileStamp data;
    FileStamp copy;
};

std::string StampsText(const std::vector<FileStamps>& stamps);
// False when the text is not such a file.
bool ParseStamps(const std::string& text, std::vector<FileStamps>& stamps);

// The stamps of `names` in `folder`; false when one cannot be taken.
bool TakeStamps(const FolderHandle& folder, const std::vector<std::string>& names, std::vector<FileStamp>& stamps);

// True when the data files `names` (stamped `now`, in the same order) and the
// copies in the backup folder `backup` stand as its stamps file recorded.
bool StampsAgree(const FolderHandle& backup, const std::vector<std::string>& names, const std::vector<FileStamp>& now);

}  // namespace tessamo
