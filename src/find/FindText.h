#pragma once
// The found lines as text, for the command line and the window's export.
//   rows  tab-separated: ISO date, amount as currency text, code, note
//         without trailing blanks (UTF-8, control characters as escapes)
//   CSV   "Date,Amount,Code[,Category],Note" and one line per found line, CR LF
//         after each: ISO date, the amount as a plain signed number with a
//         point (SpreadsheetNumber), texts without padding blanks, RFC 4180
//         quoted and formula-safe as the spreadsheet export writes them
// The totals as the item list's status panels say them.
#include <array>
#include <string>
#include <vector>

#include "find/FindAllYears.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

// A found line with its category's name (Windows-1252, no trailing blanks),
// as the window lists it.
struct FoundRow {
    FoundLine line;
    std::string category;
};

void AppendFoundRow(std::string& out, const FoundLine& line, const MoneyFormat& money);

std::string FoundCsvHeader(bool withCategory);
// `categoryName` is used when the header has the Category column.
void AppendFoundCsvRow(std::string& out, const FoundLine& line, bool withCategory, const std::string& categoryName);

// The category's name (Windows-1252, trailing blanks removed) in the year
// that holds the line; empty when the year does not list the code.
std::string FoundCategoryName(const FoundInYear& year, const FoundLine& line);

// "3 lines found", then the Income, Expense and Balance texts as the status
// panels of the item list show them ("  Income = $1.00  ", "  No Expense! ").
std::array<std::string, 4> FindTotalsTexts(const FindTotals& totals, const MoneyFormat& money);
// "2 lines skipped: their date is not a date of their year's file", or ""
// when none was.
std::string SkippedLinesText(const FindTotals& totals);

// The window's rows as a spreadsheet file (with the Category column).
std::string FoundRowsCsv(const std::vector<FoundRow>& rows);
// The window's rows as printed lines (UTF-8): a title, a header, one line
// per row in columns (date, amount, code, category, note), the totals.
std::string FoundRowsPrintText(const std::vector<FoundRow>& rows, const FindTotals& totals, const MoneyFormat& money);

}  // namespace tessamo
