#include "import/StatementAmount.h"

#include <cctype>
#include <limits>

namespace tessamo {

bool HasDigit(const std::string& text) {
    for (char c : text)
        if (std::isdigit(static_cast<unsigned char>(c))) return true;
    return false;
}

namespace {

constexpr int kDecimals = 4;

struct AmountParts {
    bool negative = false;
    std::string whole;
    std::string fraction;
};

// Splits the text into sign, integer digits and fraction digits. Thousands
// separators are the other of '.' and ',' plus blanks and apostrophes.
bool SplitAmount(const std::string& text, char decimalMark, AmountParts& parts, std::string& reason) {
    bool seenDecimal = false, open = false, close = false;
    int signs = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            if (close) return reason = "digits after \")\"", false;
            (seenDecimal ? parts.fraction : parts.whole) += c;
        } else if (c == decimalMark) {
            if (seenDecimal) return reason = std::string("two decimal marks \"") + c + "\"", false;
            seenDecimal = true;
        } else if (c == '-' || c == '+') {
            ++signs;
            parts.negative = parts.negative || c == '-';
        } else if (c == '(') {
            open = true;
        } else if (c == ')') {
            close = true;
        }
        // Anything else (currency signs and codes, blanks, group separators) is dropped.
    }
    if (parts.whole.empty() && parts.fraction.empty()) return reason = "no digits", false;
    if (signs > 1) return reason = "more than one sign", false;
    if (open != close) return reason = "unbalanced parentheses", false;
    parts.negative = parts.negative != open;
    return true;
}

}  // namespace

std::optional<std::int64_t> ReadStatementAmount(const std::string& text, char decimalMark, std::string& reason) {
    AmountParts parts;
    if (!SplitAmount(text, decimalMark, parts, reason)) return std::nullopt;
    while (parts.fraction.size() > kDecimals && parts.fraction.back() == '0') parts.fraction.pop_back();
    if (parts.fraction.size() > kDecimals) return reason = "more than four decimals", std::nullopt;
    parts.fraction.resize(kDecimals, '0');
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (char c : parts.whole + parts.fraction) {
        const int digit = c - '0';
        if (value > (kMax - digit) / 10) return reason = "too large", std::nullopt;
        value = value * 10 + digit;
    }
    return parts.negative ? -value : value;
}

}  // namespace tessamo
