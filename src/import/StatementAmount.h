#pragma once
// Amounts as banks print them, read from their text exactly (never through
// floating point): currency signs and letters, blanks and thousands
// separators are dropped; "-12.50", "12.50-", "(12.50)" and "+12.50" carry
// their sign; the decimal mark is the one the layout names. At most four
// decimals are kept exactly; more digits that are not zeros are refused.
#include <cstdint>
#include <optional>
#include <string>

namespace tessamo {

// The amount x 10000, or nothing with `reason` set.
std::optional<std::int64_t> ReadStatementAmount(const std::string& text, char decimalMark, std::string& reason);

// Whether `text` holds a digit at all (an empty debit or credit cell does not).
bool HasDigit(const std::string& text);

}  // namespace tessamo
