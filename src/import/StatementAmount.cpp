#include "import/StatementAmount.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace tessamo {

bool HasDigit(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

namespace {

constexpr std::size_t kDecimals = 4;
constexpr char kCurrency = '$';  // every currency sign becomes this one

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// The code point at `at` of UTF-8 `text` and its length; U+FFFD for a broken sequence.
char32_t CodePointAt(const std::string& text, std::size_t at, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + length > text.size()) return length = 1, U'\uFFFD';
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return length = 1, U'\uFFFD';
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    return c;
}

// The ASCII stand-in of a character banks print around or inside amounts:
// blanks ' ', minus signs and dashes '-', apostrophes '\'', currency signs '$';
// 0 for anything else beyond ASCII.
char AsciiStandIn(char32_t c) {
    switch (c) {
        case U'\u00A0': case U'\u2007': case U'\u2009': case U'\u202F':
            return ' ';
        case U'\u2010': case U'\u2011': case U'\u2012': case U'\u2013': case U'\u2014': case U'\u2015':
        case U'\u2212': case U'\uFE58': case U'\uFE63': case U'\uFF0D':
            return '-';
        case U'\u2019':
            return '\'';
        case U'\u00A2': case U'\u00A3': case U'\u00A4': case U'\u00A5': case U'\u0E3F':
            return kCurrency;
        default:
            return c >= U'\u20A0' && c <= U'\u20CF' ? kCurrency : 0;  // the block of currency signs
    }
}

// `text` in ASCII with the stand-ins above; false with `reason` for another character.
bool ToAscii(const std::string& text, std::string& ascii, std::string& reason) {
    for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
        const char32_t c = CodePointAt(text, at, length);
        if (c == '\t') ascii += ' ';
        else if (c < 0x80 && c >= 0x20) ascii += static_cast<char>(c);
        else if (const char standIn = AsciiStandIn(c)) ascii += standIn;
        else return reason = "the character \"" + text.substr(at, length) + "\"", false;
    }
    return true;
}

// What stands around the number.
struct Affixes {
    int signs = 0;
    bool negative = false;
    int open = 0, close = 0;
    int currencies = 0;
    int debitCredit = 0;
    bool debit = false;
};

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Takes one affix off the front of `s`; false when none is there.
bool TakeFront(std::string& s, Affixes& a) {
    const char c = s.front();
    std::size_t letters = 0;
    while (letters < s.size() && IsLetter(s[letters])) ++letters;
    std::size_t take = 1;
    if (c == ' ') {
    } else if (c == '-' || c == '+') {
        ++a.signs, a.negative = c == '-';
    } else if (c == '(') {
        ++a.open;
    } else if (c == kCurrency) {
        ++a.currencies;
    } else if (letters >= 1 && letters <= 2 && letters < s.size() && s[letters] == kCurrency) {
        ++a.currencies, take = letters + 1;  // "US$", "R$"
    } else if (letters == 3) {
        ++a.currencies, take = 3;  // "EUR"
    } else {
        return false;
    }
    s.erase(0, take);
    return true;
}

// Takes one affix off the back of `s`; false when none is there.
bool TakeBack(std::string& s, Affixes& a) {
    const char c = s.back();
    std::size_t letters = 0;
    while (letters < s.size() && IsLetter(s[s.size() - 1 - letters])) ++letters;
    const std::string word = Lower(s.substr(s.size() - letters));
    std::size_t take = 1;
    if (c == ' ') {
    } else if (c == '-' || c == '+') {
        ++a.signs, a.negative = c == '-';
    } else if (c == ')') {
        ++a.close;
    } else if (c == kCurrency) {
        ++a.currencies;
    } else if (word == "dr" || word == "cr") {
        ++a.debitCredit, a.debit = word == "dr", take = 2;
    } else if (letters == 3) {
        ++a.currencies, take = 3;
    } else {
        return false;
    }
    s.erase(s.size() - take);
    return true;
}

// Whether the affixes say one thing; `reason` when not.
bool AffixesAgree(const Affixes& a, std::string& reason) {
    if (a.open != a.close || a.open > 1) return reason = "unbalanced parentheses", false;
    if (a.signs + a.open + a.debitCredit > 1) return reason = "more than one sign", false;
    if (a.currencies > 1) return reason = "more than one currency", false;
    return true;
}

// An exact value x 10000 from its digits: `digits` with `scale` powers of ten
// applied (negative: divided), refused when a non-zero digit falls below a
// ten-thousandth or the value leaves the stored range.
std::optional<std::int64_t> Compose(std::string digits, long scale, bool negative, std::string& reason) {
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    while (scale < 0 && !digits.empty()) {
        if (digits.back() != '0') return reason = "more than four decimals", std::nullopt;
        digits.pop_back(), ++scale;
    }
    if (digits.empty()) return 0;
    if (scale < 0 || digits.size() + static_cast<std::size_t>(scale) > 19) return reason = "out of range", std::nullopt;
    digits.append(static_cast<std::size_t>(scale), '0');
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (char c : digits) {
        const int digit = c - '0';
        if (value > (kMax - digit) / 10) return reason = "out of range", std::nullopt;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

// A plain number in scientific form: [sign] digits [mark digits] e [sign] digits.
std::optional<std::int64_t> ReadScientific(const std::string& s, char mark, std::string& reason) {
    std::size_t at = 0;
    const bool negative = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) ++at;
    std::string digits;
    long fraction = 0;
    bool seenMark = false;
    for (; at < s.size() && (IsDigit(s[at]) || (s[at] == mark && !seenMark)); ++at) {
        if (s[at] == mark) seenMark = true;
        else digits += s[at], fraction += seenMark ? 1 : 0;
    }
    ++at;  // the 'e'
    const bool negativeExponent = at < s.size() && s[at] == '-';
    if (at < s.size() && (s[at] == '-' || s[at] == '+')) ++at;
    long exponent = 0;
    for (; at < s.size(); ++at) exponent = std::min(exponent * 10 + (s[at] - '0'), 100000L);
    const long scale = (negativeExponent ? -exponent : exponent) - fraction + static_cast<long>(kDecimals);
    const auto value = Compose(digits, scale, negative, reason);
    if (!value && reason == "more than four decimals") reason = "not exact to a ten-thousandth";
    return value;
}

bool IsScientific(const std::string& s, char mark) {
    std::size_t at = 0, digits = 0, exponentDigits = 0;
    if (at < s.size() && (s[at] == '-' || s[at] == '+')) ++at;
    for (; at < s.size() && IsDigit(s[at]); ++at) ++digits;
    if (at < s.size() && s[at] == mark)
        for (++at; at < s.size() && IsDigit(s[at]); ++at) ++digits;
    if (digits == 0 || at >= s.size() || (s[at] != 'e' && s[at] != 'E')) return false;
    ++at;
    if (at < s.size() && (s[at] == '-' || s[at] == '+')) ++at;
    for (; at < s.size() && IsDigit(s[at]); ++at) ++exponentDigits;
    return exponentDigits > 0 && at == s.size();
}

// The whole digits of `part`, grouped in threes by one grouping mark at most.
bool WholeDigits(const std::string& part, char mark, std::string& digits, std::string& reason) {
    const char other = mark == '.' ? ',' : '.';
    char grouping = 0;
    std::size_t group = 0, groups = 0;
    for (char c : part) {
        if (IsDigit(c)) {
            digits += c, ++group;
            continue;
        }
        if (c != other && c != ' ' && c != '\'') return reason = "\"" + std::string(1, c) + "\" in the number", false;
        if ((grouping && c != grouping) || group == 0 || group > 3 || (groups > 0 && group != 3))
            return reason = "the grouping does not fit the decimal mark \"" + std::string(1, mark) + "\"", false;
        grouping = c, group = 0, ++groups;
    }
    if (groups > 0 && group != 3)
        return reason = "the grouping does not fit the decimal mark \"" + std::string(1, mark) + "\"", false;
    return true;
}

std::optional<std::int64_t> ReadGrouped(const std::string& number, char mark, bool negative, std::string& reason) {
    const std::size_t at = number.find(mark);
    if (at != std::string::npos && number.find(mark, at + 1) != std::string::npos)
        return reason = "two decimal marks \"" + std::string(1, mark) + "\"", std::nullopt;
    std::string digits;
    if (!WholeDigits(number.substr(0, at), mark, digits, reason)) return std::nullopt;
    std::string fraction = at == std::string::npos ? "" : number.substr(at + 1);
    if (!std::all_of(fraction.begin(), fraction.end(), IsDigit))
        return reason = "the grouping does not fit the decimal mark \"" + std::string(1, mark) + "\"", std::nullopt;
    if (digits.empty() && fraction.empty()) return reason = "no digits", std::nullopt;
    while (fraction.size() > kDecimals && fraction.back() == '0') fraction.pop_back();
    if (fraction.size() > kDecimals) return reason = "more than four decimals", std::nullopt;
    const long scale = static_cast<long>(kDecimals - fraction.size());
    return Compose(digits + fraction, scale, negative, reason);
}

std::optional<std::int64_t> ReadAscii(std::string s, char mark, std::string& reason) {
    while (!s.empty() && s.front() == ' ') s.erase(0, 1);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    if (s.empty()) return reason = "no amount", std::nullopt;
    if (IsScientific(s, mark)) return ReadScientific(s, mark, reason);
    Affixes a;
    while (!s.empty() && (TakeFront(s, a) || TakeBack(s, a))) {
    }
    if (!AffixesAgree(a, reason)) return std::nullopt;
    if (s.empty()) return reason = "no digits", std::nullopt;
    if (std::any_of(s.begin(), s.end(), IsLetter)) return reason = "letters in the number", std::nullopt;
    const bool negative = a.signs ? a.negative : a.open ? true : a.debitCredit && a.debit;
    return ReadGrouped(s, mark, negative, reason);
}

}  // namespace

std::optional<std::int64_t> ReadStatementAmount(const std::string& text, char decimalMark, std::string& reason) {
    std::string ascii;
    std::string why;
    std::optional<std::int64_t> value;
    if (ToAscii(text, ascii, why)) value = ReadAscii(ascii, decimalMark, why);
    if (!value) reason = "unreadable amount: " + text + (text.empty() ? "(" : " (") + why + ")";
    return value;
}

char GuessDecimalMark(const std::vector<std::string>& texts, char fallback) {
    int comma = 0, point = 0;
    for (const std::string& text : texts) {
        const std::size_t mark = text.find_last_of(".,");
        if (mark == std::string::npos) continue;
        std::size_t digits = 0;
        while (mark + 1 + digits < text.size() && IsDigit(text[mark + 1 + digits])) ++digits;
        if (digits == 0 || digits > 2) continue;
        (text[mark] == ',' ? comma : point)++;
    }
    if (comma != point) return comma > point ? ',' : '.';
    return fallback;
}

}  // namespace tessamo
