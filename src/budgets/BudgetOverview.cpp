#include "budgets/BudgetOverview.h"

namespace tessamo {

BudgetOverview MakeBudgetOverview(const YearBudgets& budgets, const std::vector<CategoryRecord>& categories,
                                  const LedgerBytesView& ledger, const std::string& dateStyle, int year, int month,
                                  const CalendarDate& today) {
    const ActualSums actual(ledger, dateStyle);
    // With every row kept, both lists hold the same codes in the same order.
    std::vector<BudgetRow> monthRows = BudgetRows(budgets, categories, actual, {month, month, true});
    std::vector<BudgetRow> yearRows = BudgetRows(budgets, categories, actual, {1, 12, true});
    BudgetOverview overview;
    overview.month = month;
    overview.lines.resize(monthRows.size());
    for (std::size_t i = 0; i < monthRows.size(); ++i) {
        BudgetOverviewLine& line = overview.lines[i];
        line.atThisRate = AtThisRate(monthRows[i].actual, year, month, today);
        line.month = std::move(monthRows[i]);
        line.year = std::move(yearRows[i]);
        if (!line.year.hasBudget) continue;
        const bool expense = line.year.budget < 0;
        (expense ? overview.year.expenseBudget : overview.year.incomeBudget) += line.year.budget;
        (expense ? overview.year.expenseActual : overview.year.incomeActual) += line.year.actual;
    }
    return overview;
}

}  // namespace tessamo
