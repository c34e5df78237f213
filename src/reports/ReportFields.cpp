#include "reports/ReportFields.h"

#include "core/Amounts.h"
#include "platform/CodePage.h"

namespace tessamo {
namespace {

std::string RightAligned(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// numerator / denominator rounded to the nearest integer, ties to even.
// Both are non-negative in every use; the denominator is positive.
std::int64_t DivideRoundingHalfEven(__int128 numerator, __int128 denominator) {
    const bool negative = (numerator < 0) != (denominator < 0);
    if (numerator < 0) numerator = -numerator;
    if (denominator < 0) denominator = -denominator;
    __int128 quotient = numerator / denominator;
    const __int128 twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 == 1)) ++quotient;
    return static_cast<std::int64_t>(negative ? -quotient : quotient);
}

}  // namespace

std::string RuleLine() { return std::string(70, '-'); }

std::string AmountField(AmountSum amount, const MoneyFormat& money) {
    return RightAligned(Utf8ToCp1252(CurrencyText(amount, money)), kAmountFieldWidth);
}

std::int64_t RoundedShare(AmountSum part, AmountSum whole) {
    return DivideRoundingHalfEven(part * kAmountScale, whole);
}

std::string PercentageField(std::int64_t hundredths, const MoneyFormat& money) {
    return RightAligned(Utf8ToCp1252(PlainNumberText(static_cast<AmountSum>(hundredths) * 100, money)), 5);
}

int BarLength(std::int64_t hundredths, std::int64_t largestHundredths) {
    if (largestHundredths == 0) return 0;
    return static_cast<int>(DivideRoundingHalfEven(static_cast<__int128>(hundredths) * kLongestBar, largestHundredths));
}

}  // namespace tessamo
