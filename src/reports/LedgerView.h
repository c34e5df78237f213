#pragma once
// LedgerView: a ledger file's bytes read as 58-byte LedgerRecords in place,
// without decoding them into strings. The report and the export go through
// every line of a year once; on a 100,000-line ledger, not copying each line
// is most of their running time. The count is the number of whole records,
// so a partial tail is never read. The bytes must outlive the view.
#include <cstdint>
#include <string_view>

#include "core/Records.h"

namespace tessamo {

// One record in place: the fields at their offsets and widths.
class LedgerBytesRecord {
public:
    explicit LedgerBytesRecord(const char* bytes) : bytes_(bytes) {}
    std::string_view Date() const { return {bytes_, 8}; }
    std::string_view Code() const { return {bytes_ + 8, 2}; }
    std::int64_t Amount() const {
        std::uint64_t bits = 0;
        for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(bytes_[10 + i]);
        return static_cast<std::int64_t>(bits);
    }
    std::string_view Note() const { return {bytes_ + 18, 40}; }

private:
    const char* bytes_;
};

class LedgerView {
public:
    explicit LedgerView(std::string_view bytes) : bytes_(bytes) {}
    std::size_t size() const { return bytes_.size() / LedgerRecord::kSize; }
    LedgerBytesRecord operator[](std::size_t i) const { return LedgerBytesRecord(bytes_.data() + i * LedgerRecord::kSize); }

private:
    std::string_view bytes_;
};

}  // namespace tessamo
