#include "core/Records.h"

#include <cstring>

#include "core/FixedText.h"

namespace tessamo {
namespace {

void AppendInt64(std::string& out, std::int64_t value) {
    auto bits = static_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) out += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

}  // namespace

LedgerRecord LedgerRecord::Make(std::string_view date, std::string_view code, std::int64_t amount,
                                std::string_view note) {
    return LedgerRecord{FixedWidth(date, 8), FixedWidth(code, 2), amount, FixedWidth(note, 40)};
}

LedgerRecord LedgerRecord::Normalized() const { return Make(Date, Code, Amount, Note); }

void LedgerRecord::AppendBytes(std::string& out) const {
    out += FixedWidth(Date, 8);
    out += FixedWidth(Code, 2);
    AppendInt64(out, Amount);
    out += FixedWidth(Note, 40);
}

LedgerRecord LedgerRecord::Decode(const char* bytes) {
    return LedgerRecord{std::string(bytes, 8), std::string(bytes + 8, 2), DecodeInt64(bytes + kAmountOffset),
                        std::string(bytes + 18, 40)};
}

bool LedgerRecord::operator==(const LedgerRecord& other) const {
    return Amount == other.Amount && FixedWidth(Code, 2) == FixedWidth(other.Code, 2) &&
           FixedWidth(Date, 8) == FixedWidth(other.Date, 8) && FixedWidth(Note, 40) == FixedWidth(other.Note, 40);
}

CategoryRecord CategoryRecord::Make(std::string_view code, std::string_view name) {
    return CategoryRecord{FixedWidth(code, 2), FixedWidth(name, 16)};
}

void CategoryRecord::AppendBytes(std::string& out) const {
    out += FixedWidth(Code, 2);
    out += FixedWidth(Name, 16);
}

CategoryRecord CategoryRecord::Decode(const char* bytes) {
    return CategoryRecord{std::string(bytes, 2), std::string(bytes + 2, 16)};
}

MacroLine MacroLine::Make(std::string_view text) { return MacroLine{FixedWidth(text, 80)}; }
void MacroLine::AppendBytes(std::string& out) const { out += FixedWidth(Text, 80); }
MacroLine MacroLine::Decode(const char* bytes) { return MacroLine{std::string(bytes, 80)}; }

SettingsRecord SettingsRecord::NewFile(const std::string& lastStartDate) {
    SettingsRecord s;
    s.SetUserName("Your Name (click Options)");
    s.SetPassCode(0);
    s.SetText(33, 30, "");
    s.SetText(63, 30, "");
    s.SetText(94, 1, "$");
    s.SetDateStyle("A");
    s.SetText(128, 10, "00-00-0000");
    s.SetText(138, 40, "your mom's birthday (for example)");
    s.SetLastStartDate(lastStartDate);
    return s;
}

SettingsRecord SettingsRecord::FromBytes(const std::string& fileBytes) {
    SettingsRecord s;
    std::memcpy(s.bytes_.data(), fileBytes.data(), std::min(fileBytes.size(), kSize));
    return s;
}

std::int16_t SettingsRecord::PassCode() const {
    return static_cast<std::int16_t>(bytes_[31] | (bytes_[32] << 8));
}

void SettingsRecord::SetPassCode(std::int16_t code) {
    auto bits = static_cast<std::uint16_t>(code);
    bytes_[31] = static_cast<unsigned char>(bits & 0xFF);
    bytes_[32] = static_cast<unsigned char>(bits >> 8);
}

std::string SettingsRecord::Text(std::size_t offset, std::size_t width) const {
    return std::string(reinterpret_cast<const char*>(bytes_.data()) + offset, width);
}

void SettingsRecord::SetText(std::size_t offset, std::size_t width, std::string_view text) {
    std::string field = FixedWidth(text, width);
    std::memcpy(bytes_.data() + offset, field.data(), width);
}

}  // namespace tessamo
