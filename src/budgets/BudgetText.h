#pragma once
// The budget rows as text for the command line (UTF-8): an aligned table
// with currency texts, or comma-separated values for a spreadsheet.
//
// CSV: the header line "Code,Description,Budget,Actual,Left,Used", then one
// line per row; amounts as plain signed decimals with a point and two
// decimals ("-200.00"), the share used with one decimal ("75.0", empty when
// there is none), the description without trailing blanks; a field holding
// a comma, a double quote or a line break is quoted (RFC 4180); lines end
// with a line feed, as the other commands' output does.
#include <array>
#include <string>
#include <vector>

#include "budgets/BudgetTable.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

// The table's column names and one row's cells (UTF-8, currency texts, the
// share as "75.0 %"): the command line's table and the budget chart's
// numbers are made of these.
extern const std::array<const char*, 6> kBudgetColumns;
std::array<std::string, 6> BudgetRowCells(const BudgetRow& row, const MoneyFormat& money);

std::string BudgetCsvText(const std::vector<BudgetRow>& rows);
std::string BudgetTableText(const std::vector<BudgetRow>& rows, const MoneyFormat& money);

// A field as RFC 4180 wants it, quoted only where needed: in double quotes,
// with its double quotes doubled, when it holds a comma, a double quote, CR
// or LF; a text a spreadsheet would take for a formula gets the shared
// helper's leading apostrophe (export/SpreadsheetField.h). The command's
// output keeps plain fields unquoted, so its header and numbers read as
// they are; that is why it does not quote every field as the export does.
std::string CsvField(const std::string& text);

}  // namespace tessamo
