#pragma once
// LedgerBytesView: a ledger file's bytes read as 58-byte LedgerRecords in place,
// without decoding them into strings. The report and the export go through
// every line of a year once; on a 100,000-line ledger, not copying each line
// is most of their running time. The count is the number of whole records,
// so a partial tail is never read. The bytes must outlive the view.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Records.h"

namespace tessamo {

// One record in place: the fields at their offsets and widths.
class LedgerBytesRecord {
public:
    explicit LedgerBytesRecord(const char* bytes) : bytes_(bytes) {}
    std::string_view Date() const { return {bytes_, 8}; }
    std::string_view Code() const { return {bytes_ + 8, 2}; }
    std::int64_t Amount() const { return DecodeInt64(bytes_ + LedgerRecord::kAmountOffset); }
    std::string_view Note() const { return {bytes_ + 18, 40}; }
    // The whole 58-byte record as the file holds it.
    std::string_view Bytes() const { return {bytes_, LedgerRecord::kSize}; }
    LedgerRecord Decode() const { return LedgerRecord::Decode(bytes_); }

private:
    const char* bytes_;
};

class LedgerBytesView {
public:
    explicit LedgerBytesView(std::string_view bytes) : bytes_(bytes) {}
    std::size_t size() const { return bytes_.size() / LedgerRecord::kSize; }
    LedgerBytesRecord operator[](std::size_t i) const { return LedgerBytesRecord(bytes_.data() + i * LedgerRecord::kSize); }

private:
    std::string_view bytes_;
};

// Line items kept as their raw 58-byte records in one block of bytes (one
// allocation however many there are), each field decoded where it is used:
// a 1,000,000-line ledger takes its file size in memory and no more.
class LedgerLines {
public:
    LedgerLines() = default;
    // Takes a ledger file's bytes whole; a partial tail is cut off.
    explicit LedgerLines(std::string bytes) : bytes_(std::move(bytes)) {
        bytes_.resize(size() * LedgerRecord::kSize);
    }
    static LedgerLines FromRecords(const std::vector<LedgerRecord>& records);

    std::size_t size() const { return bytes_.size() / LedgerRecord::kSize; }
    bool empty() const { return bytes_.empty(); }
    LedgerBytesRecord operator[](std::size_t i) const { return View()[i]; }
    LedgerRecord Record(std::size_t i) const { return (*this)[i].Decode(); }
    void Append(const LedgerBytesRecord& record) { bytes_.append(record.Bytes()); }
    LedgerBytesView View() const { return LedgerBytesView(bytes_); }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Two-character codes as one number, compared exactly (case and blanks
// count); a shorter code reads as blank-padded.
inline std::uint16_t CodeKey(std::string_view code) {
    const auto at = [&](std::size_t i) { return i < code.size() ? static_cast<unsigned char>(code[i]) : ' '; };
    return static_cast<std::uint16_t>(at(0) << 8 | at(1));
}

// The month of a stored date by the style: characters 1-2 ("A") or 4-5
// ("E") read by the leading-number rule; 0 for any other style.
double MonthOfDate(std::string_view date, const std::string& style);

}  // namespace tessamo
