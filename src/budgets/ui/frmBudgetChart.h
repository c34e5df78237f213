#pragma once
// frmBudgetChart: budget against actual per category for the report
// window's month range, opened from its Chart menu: a pair of bars per
// category with a budget (the largest budget on top; amounts of expense
// categories drawn as the positive amounts spent), and on the Numbers tab
// the same rows as "tessamo-cli budget" gives them; printed and saved as
// the other charts are.
#include <vector>

#include "budgets/BudgetTable.h"
#include "charts/ui/ChartWindow.h"

namespace tessamo {

class frmBudgetChart : public ChartWindow {
    Q_OBJECT
public:
    frmBudgetChart(const SharedState& state, const std::vector<BudgetRow>& rows, int startMonth, int endMonth);
};

// Reads the active year's budget rows for the report window's range and
// opens the chart over `owner`; a file failure is told instead.
void OpenBudgetChart(const SharedState& state, QWidget* owner, int startMonth, int endMonth);

}  // namespace tessamo
