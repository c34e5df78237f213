#include "core/LeadingNumber.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tessamo {
namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Walks the text, skipping the blanks the rule allows anywhere.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}
    char Peek() {
        while (pos_ < text_.size() && IsSkipped(text_[pos_])) ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Advance() { ++pos_; }
private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

double RadixNumber(Cursor& cursor, int radix) {
    double value = 0;
    for (;;) {
        char c = cursor.Peek();
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
        cursor.Advance();
    }
    return value;
}

}  // namespace

std::string LeadingNumberText(std::string_view text) {
    Cursor cursor(text);
    if (cursor.Peek() == '&') {
        cursor.Advance();
        char kind = cursor.Peek();
        int radix = kind == 'H' || kind == 'h' ? 16 : kind == 'O' || kind == 'o' ? 8 : 0;
        if (radix == 0) return "0";
        cursor.Advance();
        const double value = RadixNumber(cursor, radix);
        if (!std::isfinite(value)) return "1e400";  // beyond every double, as the digits were
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
        return buffer;
    }
    // Gather the accepted characters without blanks.
    std::string number;
    if (char c = cursor.Peek(); c == '+' || c == '-') { number += c; cursor.Advance(); }
    bool digits = false, point = false;
    for (char c = cursor.Peek(); (c >= '0' && c <= '9') || (c == '.' && !point); c = cursor.Peek()) {
        if (c == '.') point = true; else digits = true;
        number += c;
        cursor.Advance();
    }
    if (!digits) return "0";
    if (char e = cursor.Peek(); e == 'E' || e == 'e') {
        std::string exponent = "e";
        cursor.Advance();
        if (char s = cursor.Peek(); s == '+' || s == '-') { exponent += s; cursor.Advance(); }
        bool expDigits = false;
        for (char c = cursor.Peek(); c >= '0' && c <= '9'; c = cursor.Peek()) {
            exponent += c;
            expDigits = true;
            cursor.Advance();
        }
        if (expDigits) number += exponent;
    }
    return number;
}

double LeadingNumber(std::string_view text, bool* tooLarge) {
    if (tooLarge) *tooLarge = false;
    const double value = std::strtod(LeadingNumberText(text).c_str(), nullptr);
    if (std::isfinite(value)) return value;
    if (tooLarge) *tooLarge = true;
    return 0;
}
}  // namespace tessamo
