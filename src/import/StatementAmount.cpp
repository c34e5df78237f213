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

// Why an amount's text does not read.
Status Unreadable(std::string why) { return Status::Corruption({}, std::move(why)); }
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

// `text` in ASCII with the stand-ins above; refused naming another character.
Result<std::string> ToAscii(const std::string& text) {
    std::string ascii;
    for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
        const char32_t c = CodePointAt(text, at, length);
        if (c == '\t') ascii += ' ';
        else if (c < 0x80 && c >= 0x20) ascii += static_cast<char>(c);
        else if (const char standIn = AsciiStandIn(c)) ascii += standIn;
        else return Unreadable("the character \"" + text.substr(at, length) + "\"");
    }
    return ascii;
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

// Whether the affixes say one thing; why not when they do not.
Status AffixesAgree(const Affixes& a) {
    if (a.open != a.close || a.open > 1) return Unreadable("unbalanced parentheses");
    if (a.signs + a.open + a.debitCredit > 1) return Unreadable("more than one sign");
    if (a.currencies > 1) return Unreadable("more than one currency");
    return Status::Ok();
}

// An exact value x 10000 from its digits: `digits` with `scale` powers of ten
// applied (negative: divided), refused when a non-zero digit falls below a
// ten-thousandth or the value leaves the stored range.
Result<std::int64_t> Compose(std::string digits, long scale, bool negative) {
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    while (scale < 0 && !digits.empty()) {
        if (digits.back() != '0') return Unreadable("more than four decimals");
        digits.pop_back(), ++scale;
    }
    if (digits.empty()) return std::int64_t{0};
    if (scale < 0 || digits.size() + static_cast<std::size_t>(scale) > 19) return Unreadable("out of range");
    digits.append(static_cast<std::size_t>(scale), '0');
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (char c : digits) {
        const int digit = c - '0';
        if (value > (kMax - digit) / 10) return Unreadable("out of range");
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

// A plain number in scientific form: [sign] digits [mark digits] e [sign] digits.
Result<std::int64_t> ReadScientific(const std::string& s, char mark) {
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
    Result<std::int64_t> value = Compose(digits, scale, negative);
    if (!value.ok() && value.status().reason() == "more than four decimals")
        return Unreadable("not exact to a ten-thousandth");
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

Status GroupingMisfit(char mark) {
    return Unreadable("the grouping does not fit the decimal mark \"" + std::string(1, mark) + "\"");
}

// The whole digits of `part`, grouped in threes by one grouping mark at most.
Result<std::string> WholeDigits(const std::string& part, char mark) {
    std::string digits;
    const char other = mark == '.' ? ',' : '.';
    char grouping = 0;
    std::size_t group = 0, groups = 0;
    for (char c : part) {
        if (IsDigit(c)) {
            digits += c, ++group;
            continue;
        }
        if (c != other && c != ' ' && c != '\'') return Unreadable("\"" + std::string(1, c) + "\" in the number");
        if ((grouping && c != grouping) || group == 0 || group > 3 || (groups > 0 && group != 3))
            return GroupingMisfit(mark);
        grouping = c, group = 0, ++groups;
    }
    if (groups > 0 && group != 3) return GroupingMisfit(mark);
    return digits;
}

Result<std::int64_t> ReadGrouped(const std::string& number, char mark, bool negative) {
    const std::size_t at = number.find(mark);
    if (at != std::string::npos && number.find(mark, at + 1) != std::string::npos)
        return Unreadable("two decimal marks \"" + std::string(1, mark) + "\"");
    const Result<std::string> digits = WholeDigits(number.substr(0, at), mark);
    if (!digits.ok()) return digits.status();
    std::string fraction = at == std::string::npos ? "" : number.substr(at + 1);
    if (!std::all_of(fraction.begin(), fraction.end(), IsDigit)) return GroupingMisfit(mark);
    if (digits.value().empty() && fraction.empty()) return Unreadable("no digits");
    while (fraction.size() > kDecimals && fraction.back() == '0') fraction.pop_back();
    if (fraction.size() > kDecimals) return Unreadable("more than four decimals");
    const long scale = static_cast<long>(kDecimals - fraction.size());
    return Compose(digits.value() + fraction, scale, negative);
}

Result<std::int64_t> ReadAscii(std::string s, char mark) {
    while (!s.empty() && s.front() == ' ') s.erase(0, 1);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    if (s.empty()) return Unreadable("no amount");
    if (IsScientific(s, mark)) return ReadScientific(s, mark);
    Affixes a;
    while (!s.empty() && (TakeFront(s, a) || TakeBack(s, a))) {
    }
    if (Status agree = AffixesAgree(a); !agree.ok()) return agree;
    if (s.empty()) return Unreadable("no digits");
    if (std::any_of(s.begin(), s.end(), IsLetter)) return Unreadable("letters in the number");
    const bool negative = a.signs ? a.negative : a.open ? true : a.debitCredit && a.debit;
    return ReadGrouped(s, mark, negative);
}

}  // namespace

Result<std::int64_t> ReadStatementAmount(const std::string& text, char decimalMark) {
    const Result<std::string> ascii = ToAscii(text);
    const Result<std::int64_t> value = ascii.ok() ? ReadAscii(ascii.value(), decimalMark) : ascii.status();
    if (value.ok()) return value;
    return Unreadable("unreadable amount: " + text + (text.empty() ? "(" : " (") + value.status().reason() + ")");
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
