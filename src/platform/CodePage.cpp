#include "platform/CodePage.h"

#include <cstdint>
#include <cstring>

namespace tessamo {
namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves
// undefined, which are kept as the C1 control of the same number.
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};


void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i], advancing i; malformed bytes give U+FFFD.
char32_t NextCodePoint(const std::string& text, std::size_t& i) {
    auto byte = static_cast<unsigned char>(text[i++]);
    if (byte < 0x80) return byte;
    int extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : -1;
    if (extra < 0) return 0xFFFD;
    char32_t cp = byte & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return cp;
}

bool IsUtf8(const std::string& text, bool& hasNonAscii) {
    hasNonAscii = false;
    for (std::size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) { ++i; continue; }
        hasNonAscii = true;
        const std::size_t start = i;
        char32_t cp = NextCodePoint(text, i);
        const std::size_t length = i - start;
        // Reject what NextCodePoint replaced and overlong forms.
        if (cp == 0xFFFD || (length == 2 && cp < 0x80) || (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000))
            return false;
    }
    return true;
}

bool IsControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F || (byte >= 0x80 && byte < 0xA0 && kHigh[byte - 0x80] == 0);
}

void AppendEscape(std::string& out, unsigned char byte) {
    static const char kHex[] = "0123456789ABCDEF";
    if (byte == '\t') out += "\\t";
    else if (byte == '\r') out += "\\r";
    else if (byte == '\n') out += "\\n";
    else out += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0xF];
}

// The end of the run of ASCII bytes (the same in both encodings) from
// `from` on, eight bytes a step while none of them has its high bit set.
std::size_t AsciiRunEnd(std::string_view bytes, std::size_t from) {
    std::size_t i = from;
    for (std::uint64_t word; i + 8 <= bytes.size(); i += 8) {
        std::memcpy(&word, bytes.data() + i, 8);
        if (word & 0x8080808080808080ULL) break;
    }
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
    return i;
}

}  // namespace

std::string TextFileToCp1252(const std::string& bytes) {
    static const std::string kBom = "\xEF\xBB\xBF";
    if (bytes.compare(0, kBom.size(), kBom) == 0) return Utf8ToCp1252(bytes.substr(kBom.size()));
    bool hasNonAscii = false;
    return IsUtf8(bytes, hasNonAscii) && hasNonAscii ? Utf8ToCp1252(bytes) : bytes;
}

char32_t Cp1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0 && kHigh[byte - 0x80] != 0) return kHigh[byte - 0x80];
    return byte;
}

std::string Cp1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    AppendCp1252AsUtf8(out, bytes);
    return out;
}

void AppendCp1252AsUtf8(std::string& out, std::string_view bytes) {
    for (std::size_t from = 0; from < bytes.size();) {
        const std::size_t plain = AsciiRunEnd(bytes, from);
        out.append(bytes.data() + from, plain - from);
        if (plain == bytes.size()) break;
        AppendUtf8(out, Cp1252CodePoint(static_cast<unsigned char>(bytes[plain])));
        from = plain + 1;
    }
}

std::string Utf8ToCp1252(const std::string& text, bool* lossy) {
    if (lossy) *lossy = false;
    // Plain ASCII (every amount in a dollar format) is the same in both.
    const std::size_t plain = AsciiRunEnd(text, 0);
    if (plain == text.size()) return text;
    std::string out(text, 0, plain);
    out.reserve(text.size());
    for (std::size_t i = plain; i < text.size();) {
        char32_t cp = NextCodePoint(text, i);
        int byte = -1;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) byte = static_cast<int>(cp);
        for (int k = 0; byte < 0 && k < 32; ++k)
            if (kHigh[k] == cp) byte = 0x80 + k;
        if (byte < 0 && cp >= 0x80 && cp < 0xA0 && kHigh[cp - 0x80] == 0) byte = static_cast<int>(cp);
        if (byte < 0) {
            byte = '?';
            if (lossy) *lossy = true;
        }
        out += static_cast<char>(byte);
    }
    return out;
}

std::string Cp1252ToVisibleUtf8(const std::string& bytes, const std::string& keep) {
    std::string out;
    out.reserve(bytes.size());
    AppendCp1252AsVisibleUtf8(out, bytes, keep);
    return out;
}

void AppendCp1252AsVisibleUtf8(std::string& out, std::string_view bytes, std::string_view keep) {
    for (std::size_t from = 0; from < bytes.size();) {
        // Blank to tilde needs neither an escape nor a conversion.
        std::size_t plain = from;
        while (plain < bytes.size() && static_cast<unsigned char>(bytes[plain] - 0x20) < 0x5F) ++plain;
        out.append(bytes.data() + from, plain - from);
        if (plain == bytes.size()) break;
        const char c = bytes[plain];
        const auto byte = static_cast<unsigned char>(c);
        if (IsControl(byte) && keep.find(c) == std::string_view::npos) AppendEscape(out, byte);
        else AppendUtf8(out, Cp1252CodePoint(byte));
        from = plain + 1;
    }
}

bool IsValidUtf8(const std::string& bytes) {
    bool hasNonAscii = false;
    return IsUtf8(bytes, hasNonAscii);
}

}  // namespace tessamo
