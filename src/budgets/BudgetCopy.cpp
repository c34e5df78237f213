#include "budgets/BudgetCopy.h"

#include <algorithm>
#include <set>

#include "budgets/BudgetTable.h"

namespace tessamo {
namespace {

bool Lists(const std::vector<CategoryRecord>& categories, const std::string& code) {
    return std::any_of(categories.begin(), categories.end(), [&](const CategoryRecord& c) { return c.Code == code; });
}

}  // namespace

BudgetCopy CopiedBudgets(const YearBudgets& other, const std::vector<CategoryRecord>& categories) {
    BudgetCopy copy;
    for (const auto& [code, months] : other.All()) {
        if (!Lists(categories, code)) {
            copy.skipped.push_back(code);
            continue;
        }
        for (int m = 1; m <= 12; ++m) copy.budgets.Set(code, m, months[static_cast<std::size_t>(m - 1)]);
    }
    return copy;
}

BudgetCopy AverageBudgets(const LedgerBytesView& otherLedger, const std::string& dateStyle,
                          const std::vector<CategoryRecord>& categories) {
    BudgetCopy copy;
    const ActualSums actual(otherLedger, dateStyle);
    std::set<std::string> skipped;
    for (const std::string& code : actual.Codes()) {
        if (!Lists(categories, code)) {
            skipped.insert(code);
            continue;
        }
        const AmountSum average = RoundedQuotient(actual.Sum(code, 1, 12), 12 * 100) * 100;
        // An average of zero would be a budget of zero, which is no limit at all.
        if (average != 0) copy.budgets.Set(code, 0, static_cast<std::int64_t>(average));
    }
    copy.skipped.assign(skipped.begin(), skipped.end());
    return copy;
}

}  // namespace tessamo
