#pragma once
// Amounts: signed fixed point with four decimals (int64 = amount x 10000);
// income positive, expense negative, zero an open item. Typed amounts are
// cleaned, then read by the system's number conventions; amounts are shown
// as currency text in the system's currency form.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/MoneyFormat.h"

namespace tessamo {

inline constexpr std::int64_t kAmountScale = 10000;

// An exact sum or difference of amounts. 128 bits hold the total of any
// ledger (2^64 lines of the largest amount), so totals never wrap around and
// negating the lowest stored amount is exact.
using AmountSum = __int128;

// Trims `typed` in place and returns its digits, "." and "," in order
// ("-$1,234.50" -> "1,234.50", "abc" -> "").
std::string CleanAmount(std::string& typed);

// Reads a cleaned amount by the system's conventions (its decimal separator is
// the point, its group separator is ignored), rounded to four decimals half to
// even. Nothing when the text is not a number ("1.2.3", a lone "." or ",")
// or lies beyond the stored range.
std::optional<std::int64_t> ReadTypedAmount(const std::string& cleaned, const MoneyFormat& format);

// "Invalid Amount - " + text, the refusal of an unreadable amount.
std::string InvalidAmountText(const std::string& cleaned);

// Currency text: sign, grouping, two decimals, the system's negative form;
// every digit of a total beyond the stored range is shown.
std::string CurrencyText(AmountSum amount, const MoneyFormat& format);

// A double rounded half to even to four decimals, as stored; nothing beyond range.
std::optional<std::int64_t> AmountFromDouble(double value);

// The amount as the plain number text the entry editor shows ("12.5", "1234",
// "0.0001"): no grouping, the system's decimal separator, no trailing zeros.
std::string PlainNumberText(AmountSum amount, const MoneyFormat& format);

// The amount without its sign, exact also for the lowest stored amount.
inline AmountSum MagnitudeOf(std::int64_t amount) { return amount < 0 ? -static_cast<AmountSum>(amount) : amount; }

}  // namespace tessamo
