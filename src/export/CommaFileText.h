#pragma once
// The lines of the two comma-delimited exports, as 8-bit text (the records'
// Windows-1252 bytes) with CR LF after every line. Fields are enclosed in
// double quotes and separated by `","`.
//
// Line items: for each ledger line in file order, one line per entry of the
// category list with the same code (a category listed twice gives its lines
// twice) when the line's month lies in the range:
//   "mm-dd-yyyy","CO", 12.5 ,"<note of 40 characters, double quotes blanked>"
// The date is the stored date's first six characters and the four-digit year.
// A code or note that a spreadsheet would evaluate as a formula (SpreadsheetField.h)
// gets an apostrophe before it, so that it opens as text.
//
// Summary: "income", then per listed category with a non-zero income total a
// line "CO", 1234.5 "; then "expense" and the same for the expense totals
// (shown positive). The whole year counts; the month range is not used.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/CodeTable.h"
#include "core/Records.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

struct LineItemsExportOptions {
    int startMonth = 1;
    int endMonth = 12;
    std::string dateStyle = "A";  // any style but "A" and "E" exports no line
    std::string year;             // four digits: the first four of LedgerFileName
    MoneyFormat money;
};

// The line-items export in pieces, so a long ledger's export is never held
// whole: each Next() appends the lines of the next stretch of the ledger
// (about 64 KiB of text) to `out` and returns false once the ledger is done.
// `categories` and `ledger` must outlive it.
class LineItemsExport {
public:
    LineItemsExport(const std::vector<CategoryRecord>& categories, std::string_view ledger,
                    const LineItemsExportOptions& options);
    bool Next(std::string& out);

private:
    CodeTable<int> listed_;  // how many list entries carry each code
    std::string_view ledger_;
    const LineItemsExportOptions& options_;
    std::size_t next_ = 0;  // the next record to look at
};

// `categories` as "tempcats.$$$" holds them; `ledger` the ledger file's bytes.
std::string LineItemsExportText(const std::vector<CategoryRecord>& categories, std::string_view ledger,
                                const LineItemsExportOptions& options);
std::string SummaryExportText(const std::vector<CategoryRecord>& categories, std::string_view ledger,
                              const MoneyFormat& money);

}  // namespace tessamo
