#include "core/Amounts.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "core/FixedText.h"

namespace tessamo {
namespace {

constexpr std::uint64_t kMaxMagnitude = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());

bool StartsWithAt(const std::string& text, std::size_t pos, const std::string& part) {
    return !part.empty() && text.compare(pos, part.size(), part) == 0;
}

using Magnitude128 = unsigned __int128;

// Written from the right into a buffer; 64-bit division while the value
// fits, which is every stored amount.
std::string DecimalDigits(Magnitude128 value) {
    char buffer[40];
    char* end = buffer + sizeof buffer;
    char* at = end;
    for (; value > UINT64_MAX; value /= 10) *--at = static_cast<char>('0' + static_cast<int>(value % 10));
    std::uint64_t small = static_cast<std::uint64_t>(value);
    do {
        *--at = static_cast<char>('0' + small % 10);
        small /= 10;
    } while (small > 0);
    return std::string(at, end);
}

std::string GroupDigits(Magnitude128 whole, const std::string& separator) {
    std::string digits = DecimalDigits(whole);
    if (digits.size() <= 3) return digits;
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

std::string ApplyPattern(const std::string& pattern, const std::string& number) {
    std::string out;
    out.reserve(pattern.size() + number.size());
    for (char c : pattern) {
        if (c == '#') out += number;
        else out += c;
    }
    return out;
}

Magnitude128 Magnitude(AmountSum amount) {
    return amount < 0 ? static_cast<Magnitude128>(-(amount + 1)) + 1 : static_cast<Magnitude128>(amount);
}

}  // namespace

std::string CleanAmount(std::string& typed) {
    typed = TrimBlanks(typed);
    std::string cleaned;
    for (char c : typed)
        if ((c >= '0' && c <= '9') || c == '.' || c == ',') cleaned += c;
    return cleaned;
}

std::optional<std::int64_t> ReadTypedAmount(const std::string& cleaned, const MoneyFormat& format) {
    std::string whole, fraction;
    bool point = false;
    for (std::size_t i = 0; i < cleaned.size();) {
        char c = cleaned[i];
        if (c >= '0' && c <= '9') {
            (point ? fraction : whole) += c;
            ++i;
        } else if (StartsWithAt(cleaned, i, format.decimalPoint)) {
            if (point) return std::nullopt;  // two decimal points
            point = true;
            i += format.decimalPoint.size();
        } else if (StartsWithAt(cleaned, i, format.groupSeparator)) {
            i += format.groupSeparator.size();
        } else {
            return std::nullopt;
        }
    }
    if (whole.empty() && fraction.empty()) return std::nullopt;
    // Exact decimal arithmetic: four decimals kept, the rest rounds half to even.
    std::uint64_t value = 0;
    for (char c : whole) {
        if (value > (kMaxMagnitude - 9) / 10) return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    fraction.resize(std::max<std::size_t>(fraction.size(), 5), '0');
    for (int k = 0; k < 4; ++k) {
        if (value > (kMaxMagnitude - 9) / 10) return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(fraction[k] - '0');
    }
    const int next = fraction[4] - '0';
    const bool restNonZero = fraction.find_first_not_of('0', 5) != std::string::npos;
    if (next > 5 || (next == 5 && (restNonZero || value % 2 == 1))) ++value;
    if (value > kMaxMagnitude) return std::nullopt;
    return static_cast<std::int64_t>(value);
}

std::string InvalidAmountText(const std::string& cleaned) { return "Invalid Amount - " + cleaned; }

std::string CurrencyText(AmountSum amount, const MoneyFormat& format) {
    // Two decimals shown, rounded half away from zero as the currency format does.
    const Magnitude128 cents = (Magnitude(amount) + 50) / 100;
    std::string number = GroupDigits(cents / 100, format.groupSeparator) + format.decimalPoint;
    number += static_cast<char>('0' + (cents % 100) / 10);
    number += static_cast<char>('0' + cents % 10);
    return ApplyPattern(amount < 0 ? format.negativePattern : format.positivePattern, number);
}

std::optional<std::int64_t> AmountFromDouble(double value) {
    // Rounded through the double's shortest decimal form (15 digits when they
    // give the same double back, else 17), so that a typed 1.00005 is the tie
    // it looks like and not the binary value just below it.
    if (!std::isfinite(value)) return std::nullopt;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    if (std::strtod(buffer, nullptr) != std::fabs(value)) std::snprintf(buffer, sizeof buffer, "%.16e", std::fabs(value));
    std::string digits;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    // digits = d1 d2 ... d15 with the point after d1; keep 4 decimals.
    const int wholeDigits = exponent + 1 + 4;
    if (wholeDigits > 19) return std::nullopt;
    std::uint64_t scaled = 0;
    for (int i = 0; i < wholeDigits; ++i) {
        const bool stated = i < static_cast<int>(digits.size());
        scaled = scaled * 10 + (stated ? static_cast<std::uint64_t>(digits[static_cast<std::size_t>(i)] - '0') : 0);
    }
    if (wholeDigits < 0) return 0;  // below 0.00001: nothing left after rounding
    if (wholeDigits < static_cast<int>(digits.size())) {
        const std::string rest = digits.substr(static_cast<std::size_t>(wholeDigits));
        const int next = rest[0] - '0';
        const bool beyond = rest.find_first_not_of('0', 1) != std::string::npos;
        if (next > 5 || (next == 5 && (beyond || scaled % 2 == 1))) ++scaled;
    }
    if (scaled > kMaxMagnitude) return std::nullopt;
    return value < 0 ? -static_cast<std::int64_t>(scaled) : static_cast<std::int64_t>(scaled);
}

std::string PlainNumberText(AmountSum amount, const MoneyFormat& format) {
    const Magnitude128 magnitude = Magnitude(amount);
    std::string text = (amount < 0 ? "-" : "") + DecimalDigits(magnitude / kAmountScale);
    std::string fraction = DecimalDigits(magnitude % kAmountScale);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) text += format.decimalPoint + fraction;
    return text;
}

}  // namespace tessamo
