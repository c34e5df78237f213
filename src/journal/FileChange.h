#pragma once
// FileChange: one write of a transaction, kept as the bytes it replaced and
// the bytes that replaced them. A file before the write is
//     prefix + before + suffix   (lengthBefore bytes in all),
// and after it
//     prefix + after + suffix,
// where the prefix is `offset` bytes long and the suffix is what follows.
// Only the part that differs is kept (common leading and trailing bytes are
// trimmed), so a one-record change in a large ledger costs a record, not a
// copy of the ledger. A file that did not exist before (or does not exist
// after) is marked so; its bytes on that side are empty.
#include <cstdint>
#include <string>

namespace tessamo {

struct FileChange {
    std::string name;
    bool existedBefore = true;
    bool existsAfter = true;
    std::uint64_t offset = 0;
    std::uint64_t lengthBefore = 0;
    std::string before;
    std::string after;

    std::uint64_t LengthAfter() const { return lengthBefore - before.size() + after.size(); }
    // True when the write changed nothing at all.
    bool Empty() const { return existedBefore == existsAfter && before == after; }
};

// The change that turns `old` into `fresh` (nullptr: the file is missing).
FileChange ChangeBetween(const std::string& name, const std::string* old, const std::string* fresh);
// Drops the leading and trailing bytes `before` and `after` share.
void TrimCommonBytes(FileChange& change);

// A file as a whole: whether it exists, and its bytes.
struct FileImage {
    bool exists = false;
    std::string bytes;
};

enum class ChangeSide { Before, After, Neither };
// Which side of `change` the file `image` shows.
ChangeSide SideOf(const FileChange& change, const FileImage& image);
// Turns `image` from one side of `change` to the other; false (and `image`
// untouched) when the image is not on the side it is turned from.
bool TurnBack(const FileChange& change, FileImage& image);
bool TurnForward(const FileChange& change, FileImage& image);

// The year a data file belongs to ("1999" for 1999TSM.DAT, 1999CATS.DAT,
// 1999_tsm.nts or 1999BUDGET.DAT); empty for any other file.
std::string YearOfFile(const std::string& name);

}  // namespace tessamo
