#pragma once
// Amounts as banks print them, read from their UTF-8 text exactly (never
// through floating point) or refused with the reason. Accepted around the
// number, in any order before or after it: one sign ("-", "+", U+2212 and the
// Unicode dashes and hyphens), or one pair of parentheses (negative), or "DR"
// (negative) / "CR" after it in any case, with or without a blank; one
// currency sign ("$", "€", "£" …, also "US$") or three-letter code ("EUR").
// The number: digits grouped in threes by the one grouping mark of the file
// (the other of "." and ",", a blank, a non-breaking blank or an apostrophe),
// then the file's decimal mark and up to four decimals (more are refused
// unless they are zeros). A plain number in scientific form ("1.5E+03") is
// read when its value is exact to a ten-thousandth. Values beyond the
// stored range are refused.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace tessamo {

// The amount x 10000, or Corruption with the reason ("unreadable amount: …").
Result<std::int64_t> ReadStatementAmount(const std::string& text, char decimalMark);

// Whether `text` holds a digit at all (an empty debit or credit cell does not).
bool HasDigit(const std::string& text);

// The decimal mark of a file whose amounts are `texts`: the mark ("." or ",")
// that ends most of them followed by one or two digits; `fallback` on a tie.
char GuessDecimalMark(const std::vector<std::string>& texts, char fallback);

}  // namespace tessamo
