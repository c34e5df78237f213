#pragma once
// The fixed-length records of the data files, byte for byte as the Windows
// program wrote them: little-endian integers, text fields blank-padded and
// cut to width, Windows-1252 bytes. Text members always hold exactly their
// field width once a record was decoded or passed through Normalized().
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

namespace tessamo {

// The little-endian 64-bit integer at `bytes`, as the files store integers.
// Inline: the report and the export read it for every ledger line.
// One unaligned load (and a byte swap on a big-endian machine).
inline std::int64_t DecodeInt64(const char* bytes) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, bytes, sizeof bits);
    if constexpr (std::endian::native == std::endian::big) bits = __builtin_bswap64(bits);
    return static_cast<std::int64_t>(bits);
}

// One line item of a year's ledger file (year + "TSM.DAT"). 58 bytes:
// Date 8 @0, Code 2 @8, Amount int64 (amount x 10000) @10, Note 40 @18.
struct LedgerRecord {
    static constexpr std::size_t kSize = 58;
    static constexpr std::size_t kAmountOffset = 10;
    std::string Date = std::string(8, ' ');
    std::string Code = std::string(2, ' ');
    std::int64_t Amount = 0;
    std::string Note = std::string(40, ' ');

    // Builds a record with every text field cut or padded to its width.
    static LedgerRecord Make(std::string_view date, std::string_view code, std::int64_t amount,
                             std::string_view note);
    LedgerRecord Normalized() const;
    void AppendBytes(std::string& out) const;
    static LedgerRecord Decode(const char* bytes);
    // Equal in all four fields at full width (the replacement's match rule).
    bool operator==(const LedgerRecord& other) const;
};

// One category of a year's category file (year + "CATS.DAT"). 18 bytes:
// Code 2 @0, Name 16 @2.
struct CategoryRecord {
    static constexpr std::size_t kSize = 18;
    std::string Code = std::string(2, ' ');
    std::string Name = std::string(16, ' ');

    static CategoryRecord Make(std::string_view code, std::string_view name);
    void AppendBytes(std::string& out) const;
    static CategoryRecord Decode(const char* bytes);
    bool operator==(const CategoryRecord& other) const = default;
};

// One data line of a macro file in the staging file "tempmac.$$$". 80 bytes.
struct MacroLine {
    static constexpr std::size_t kSize = 80;
    std::string Text = std::string(80, ' ');

    static MacroLine Make(std::string_view text);
    void AppendBytes(std::string& out) const;
    static MacroLine Decode(const char* bytes);
};

// The single record of "PERSONAL.DAT", 690 bytes. It is kept as raw bytes so
// that every reserved byte and the reminder slots travel through unchanged;
// the accessors read and write the named fields in place.
class SettingsRecord {
public:
    static constexpr std::size_t kSize = 690;

    SettingsRecord() { bytes_.fill(0); }
    // The values of a newly created file, with `lastStartDate` ("mm-dd-yyyy").
    static SettingsRecord NewFile(const std::string& lastStartDate);
    // Record 1 of a file's bytes; a short file is read as if zero-filled.
    static SettingsRecord FromBytes(const std::string& fileBytes);
    std::string Bytes() const { return std::string(bytes_.begin(), bytes_.end()); }

    std::string UserName() const { return Text(0, 28); }  // 28 characters, blanks kept
    void SetUserName(std::string_view name) { SetText(0, 28, name); }
    std::int16_t PassCode() const;
    void SetPassCode(std::int16_t code);
    std::string CurrencySymbol() const { return Text(94, 1); }
    std::string DateStyle() const { return Text(95, 1); }
    void SetDateStyle(std::string_view style) { SetText(95, 1, style); }
    std::string LastStartDate() const { return Text(630, 10); }
    void SetLastStartDate(std::string_view date) { SetText(630, 10, date); }
    std::string ReminderDate(int slot) const { return Text(128 + 50 * (slot - 1), 10); }   // slot 1..10
    std::string ReminderText(int slot) const { return Text(138 + 50 * (slot - 1), 40); }

    bool operator==(const SettingsRecord& other) const = default;

private:
    std::string Text(std::size_t offset, std::size_t width) const;
    void SetText(std::size_t offset, std::size_t width, std::string_view text);
    std::array<unsigned char, kSize> bytes_;
};

}  // namespace tessamo
