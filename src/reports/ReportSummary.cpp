#include "reports/ReportSummary.h"

#include <algorithm>

#include "core/CodeTable.h"

#include "core/LedgerBytes.h"
#include "reports/ReportFields.h"

namespace tessamo {
namespace {

// The sum of the set's amounts of each listed category, in list order.
std::vector<AmountSum> Subtotals(const std::vector<CategoryRecord>& categories,
                                 const std::vector<WorkingLine>& lines) {
    CodeTable<AmountSum> sums;
    for (const WorkingLine& line : lines) sums[line.code] += line.amount();
    std::vector<AmountSum> subtotals;
    subtotals.reserve(categories.size());
    for (const CategoryRecord& category : categories) {
        const AmountSum* found = sums.Find(CodeKey(category.Code));
        subtotals.push_back(found ? *found : 0);
    }
    return subtotals;
}

}  // namespace

std::vector<SummaryRow> SummaryRows(const std::vector<CategoryRecord>& categories,
                                    const std::vector<WorkingLine>& lines, AmountSum total) {
    std::vector<SummaryRow> rows;
    if (total == 0 || categories.empty()) return rows;
    const std::vector<AmountSum> subtotals = Subtotals(categories, lines);
    const AmountSum largest = std::max<AmountSum>(0, *std::max_element(subtotals.begin(), subtotals.end()));
    const std::int64_t largestPct = RoundedShare(largest, total);
    for (std::size_t i = 0; i < categories.size(); ++i) {
        if (subtotals[i] == 0) continue;
        const std::int64_t pct = RoundedShare(subtotals[i], total);
        rows.push_back(SummaryRow{categories[i], subtotals[i], pct, std::max(0, BarLength(pct, largestPct))});
    }
    return rows;
}

}  // namespace tessamo
