#pragma once
// The summary of one section of the cash-flow report (money out or money
// in): each listed category with a subtotal that is not 0, in list order,
// with its share of the section's total and the length of its bar. The
// report's text and its charts both show these rows, so their numbers agree.
#include <cstdint>
#include <vector>

#include "core/Amounts.h"
#include "core/Records.h"
#include "reports/ReportSelection.h"

namespace tessamo {

struct SummaryRow {
    CategoryRecord category;
    AmountSum subtotal = 0;
    std::int64_t pctHundredths = 0;  // the share rounded to four decimals: 3333 is 33.33 %
    int bars = 0;                    // the largest category has 26
};

// No rows for an empty section (total 0): there is no share to scale by.
std::vector<SummaryRow> SummaryRows(const std::vector<CategoryRecord>& categories,
                                    const std::vector<WorkingLine>& lines, AmountSum total);

}  // namespace tessamo
