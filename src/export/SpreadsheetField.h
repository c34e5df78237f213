#pragma once
// One field of a comma-delimited file that a spreadsheet will open.
//
// A spreadsheet evaluates a cell whose text starts a formula, even inside
// quotes: "=HYPERLINK(...)" in a note would run on opening. A field whose text,
// after leading blanks, begins with '=', '+', '-', '@', a tab or a carriage
// return, and is not a plain number such as "-12.50", is written with a leading
// apostrophe so that it opens as text. Every other field keeps its bytes.
//
// Plain number: blanks, an optional sign, digits with at most one decimal
// mark ('.' or ','), blanks; at least one digit.
#include <string>
#include <string_view>

namespace tessamo {

// True when `text` would start a formula and is not a plain number.
bool StartsFormula(std::string_view text);

// `text` with a leading apostrophe when it would start a formula; else as is.
std::string FormulaSafeText(std::string_view text);

// Appends `text` to `out` as one RFC 4180 field: always enclosed in double
// quotes, quotes inside doubled, formula-safe. Bytes are copied unchanged
// otherwise (blanks, commas, line breaks and any encoding).
void AppendSpreadsheetField(std::string& out, std::string_view text);

}  // namespace tessamo
