#pragma once
// DataFileProtection: keeps output files (exports, backup copies) off the data
// folder's own files. Those are the record files and every other "*.dat",
// the macros "*.mcr", the notes "*.nts", the working files "*.$$$" and the
// lock file. An output lands on one of them when it is the same file on disk
// (same device and inode: a hard link, or a link followed to it), or when it
// would be made in the data folder under such a name (a dangling link into
// the folder, a new year's file). Any other file of the data folder, such as
// the default export "TSM_DATA.TXT", may be written.
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace tessamo {

// True for the names the data folder's own files carry (letter case ignored).
bool IsDataFolderFileName(const std::string& name);
// True for "*.mcr", "*.dat" and "*.nts" (letter case ignored): what a backup copies.
bool HasDataFileExtension(const std::string& name);

class DataFileProtection {
public:
    // Takes the identities of the folder and its own files as they are now.
    explicit DataFileProtection(const FileSystem& dataFolder);

    bool Protects(const FileInfo& target) const;
    // An OutputCheck that refuses a protected target with `refusal` and
    // records that it did in `refused`.
    OutputCheck Check(const Status& refusal, bool& refused) const;

private:
    FileIdentity folder_;
    std::vector<FileIdentity> files_;
};

}  // namespace tessamo
