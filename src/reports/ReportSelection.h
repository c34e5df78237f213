#pragma once
// The selection phase of a cash-flow report: for each category of the list
// in order, the ledger lines of that code whose month lies in the range are
// sorted into the three working sets the report is laid out from —
// income ("ic_file.$$$"), expense with the amount made positive
// ("ex_file.$$$") and open items of amount 0 ("todofile.$$$"). Within a set
// the lines are grouped by category in list order and keep ledger order
// inside a category; a category listed twice contributes its lines twice.
// The sets are kept in memory, so nothing of an earlier run can add lines.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Amounts.h"
#include "core/Records.h"
#include "core/LedgerBytes.h"

namespace tessamo {

// One line of a working set: the ledger line, in place in the ledger's
// bytes. Sixteen bytes, so a million-line selection stays small.
struct WorkingLine {
    LedgerBytesRecord record;
    std::uint16_t code = 0;  // CodeKey of the record's code
    // The amount as the set holds it: income as stored, expense made
    // positive, open items 0. Wide, so the lowest stored amount negates exactly.
    AmountSum amount() const {
        const AmountSum stored = record.Amount();
        return stored < 0 ? -stored : stored;
    }
};

struct ReportSelection {
    std::vector<WorkingLine> income;
    std::vector<WorkingLine> expense;
    std::vector<WorkingLine> openItems;
    // Lowest and highest month among the income and expense lines; they start
    // at 12 and 1, so an empty selection reads "12 through 1".
    int lowestMonth = 12;
    int highestMonth = 1;
};

// `categories` is the category list as "tempcats.$$$" holds it.
ReportSelection SelectReportRecords(const std::vector<CategoryRecord>& categories, const LedgerBytesView& ledger,
                                    int begmo, int endmo, const std::string& dateStyle);

// TotalUp: adds every amount of the set to `bucks` (not reset first).
void TotalUp(const std::vector<WorkingLine>& lines, AmountSum& bucks);

}  // namespace tessamo
