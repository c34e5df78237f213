#pragma once
// The fixed-width pieces of the report's layout. Texts are Windows-1252
// bytes, one byte a character, so that the widths hold in the fixed-pitch
// font whatever currency sign the system uses.
#include <cstdint>
#include <string>

#include "core/Amounts.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

inline constexpr std::size_t kAmountFieldWidth = 16;
inline constexpr int kLongestBar = 26;

// 70 hyphens.
std::string RuleLine();

// The currency text right-aligned in 16 characters; a wider text is shown
// whole, without padding.
std::string AmountField(AmountSum amount, const MoneyFormat& money);

// part / whole rounded to four decimals, ties to even, as a count of
// ten-thousandths; this count is also the percentage in hundredths of a
// percent (1/3 gives 3333, that is 33.33 %). `whole` must not be 0.
std::int64_t RoundedShare(AmountSum part, AmountSum whole);

// The percentage (in hundredths) as plain decimal text, right-aligned in five
// characters: "33.33", "  7.5", "  100".
std::string PercentageField(std::int64_t hundredths, const MoneyFormat& money);

// The bar length for a percentage next to the section's largest one:
// 26 x pct / largest, rounded to the nearest whole number, ties to even.
int BarLength(std::int64_t hundredths, std::int64_t largestHundredths);

}  // namespace tessamo
