#pragma once
// The leading-number rule: how a text is read as a number wherever the
// program reads numbers out of free text (dates, sort keys, passcodes, macro
// amounts). Read from the start; blanks, tabs and line feeds are skipped
// wherever they occur; an optional sign; digits with at most one "." and an
// optional exponent ("E", either case), or "&H" hex / "&O" octal digits.
// Reading stops at the first character that fits none of these; no digit
// read gives 0. "07" -> 7, "1_" -> 1, "12 34" -> 1234, "1,234.50" -> 1.
#include <string>
#include <string_view>

namespace tessamo {

// The number the rule reads, as the plain text a decimal reader takes:
// sign, digits, point and exponent without blanks ("1 2.5e3" -> "12.5e3"),
// a hex or octal number in decimal digits, "0" when no digit is read.
std::string LeadingNumberText(std::string_view text);

// A number too large for a double reads as 0; `tooLarge`, when given, says
// that this happened, so that an amount reader can refuse it.
double LeadingNumber(std::string_view text, bool* tooLarge = nullptr);

}  // namespace tessamo
