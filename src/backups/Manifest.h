#pragma once
// Manifest: what a backup folder holds, written as "MANIFEST.TXT" beside the
// copies once they were checked. Plain text, one item per line ended by "\n":
//
//   tessamo backup 1
//   state good                      (or: state bad <what went wrong>)
//   folder <id>                     (the data folder's identity, FolderId.h)
//   pinned <backup>                 (only in the copy made before restoring <backup>)
//   file <crc32> <bytes> <records> <income> <expense> <name>
//
// <crc32> is eight hex digits (Checksum.h); <records> the whole records of a
// year file (a ledger "YYYYTSM.DAT" or a category file "YYYYCATS.DAT"), "-"
// for other files; <income> and <expense> the exact sums of a ledger's
// positive and negative amounts in ten-thousandths, "-" for other files. The
// name comes last, so it may hold blanks; a manifest naming anything but a
// plain name of the files a backup holds (BackupFiles.h), or one file twice,
// is refused. Manifests made before folders had an identity have no folder
// line and count as the reading folder's own.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Amounts.h"
#include "platform/Status.h"

namespace tessamo {

inline constexpr const char* kManifestName = "MANIFEST.TXT";

enum class YearFileKind { None, Ledger, Categories };

// What kind of year file `name` is (without regard to case), and its year.
YearFileKind YearFileOf(const std::string& name, std::string& year);

struct ManifestFile {
    std::string name;
    std::uint32_t crc = 0;
    std::uint64_t size = 0;
    std::optional<std::uint64_t> records;  // year files only
    std::optional<AmountSum> income;       // ledgers only
    std::optional<AmountSum> expense;      // ledgers only
    // Same bytes as far as the manifest can tell: name, size and checksum.
    bool SameContent(const ManifestFile& other) const {
        return name == other.name && size == other.size && crc == other.crc;
    }
};

// The manifest entry of a file with these bytes.
ManifestFile DescribeFile(const std::string& name, const std::string& bytes);

struct Manifest {
    bool good = true;
    std::string problem;  // what made it bad
    std::string folder;   // the data folder's id; "" in an older manifest
    std::string pinned;   // the backup whose restore this copy was made before
    std::vector<ManifestFile> files;
};

std::string ManifestText(const Manifest& manifest);
// Corruption (naming `fileName`) when the text is not such a manifest.
Status ParseManifest(const std::string& text, const std::string& fileName, Manifest& manifest);

}  // namespace tessamo
