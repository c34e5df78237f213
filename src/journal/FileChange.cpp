#include "journal/FileChange.h"

#include <algorithm>
#include <cctype>

namespace tessamo {

void TrimCommonBytes(FileChange& change) {
    const std::size_t shortest = std::min(change.before.size(), change.after.size());
    std::size_t head = 0;
    while (head < shortest && change.before[head] == change.after[head]) ++head;
    std::size_t tail = 0;
    while (tail < shortest - head &&
           change.before[change.before.size() - 1 - tail] == change.after[change.after.size() - 1 - tail])
        ++tail;
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
    const std::size_t shortest = std::min(a.size(), b.size());
    const auto diverge = std::mismatch(a.begin(), a.begin() + shortest, b.begin());
    const std::size_t head = static_cast<std::size_t>(diverge.first - a.begin());
    std::size_t tail = 0;
    while (tail < shortest - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) ++tail;
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
    if (!Shows(image, fromExists, fromLength, offset, from)) return false;
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
    return rest == "TSM.DAT" || rest == "CATS.DAT" || rest == "_TSM.NTS" ? name.substr(0, 4) : std::string();
}

}  // namespace tessamo
