#pragma once
// "Export for spreadsheets…": the line items of the chosen categories and
// months in a form every spreadsheet reads the same way, beside the system's
// own export (which keeps its bytes):
//   Date,Amount,Code,Category,Note            (header row)
//   1999-04-15,-500.00,"RN","Rent","Rent"
// UTF-8 without a byte-order mark; ISO dates; amounts with a point, two
// decimals (four when the amount has them) and a minus sign, no "+"; texts
// without their padding blanks, RFC 4180 quoted and formula-safe
// (SpreadsheetField.h); CR LF after every line; the lines in the ledger's
// order. A ledger line whose code stands on the list (once or more) and
// whose month lies in the range gives one line. Any date style but "A" and
// "E" gives the header alone, as the system's export gives no line.
#include <string>
#include <string_view>
#include <vector>

#include "core/Amounts.h"
#include "core/Records.h"
#include "export/CommaFileText.h"

namespace tessamo {

// The number text of a spreadsheet file: "-12.50", "1250.00", "0.0001".
std::string SpreadsheetNumber(AmountSum amount);

// `categories` are the chosen ones (names in Windows-1252); `ledger` the
// ledger file's bytes. options.money is not used.
std::string SpreadsheetExportText(const std::vector<CategoryRecord>& categories, std::string_view ledger,
                                  const LineItemsExportOptions& options);

}  // namespace tessamo
