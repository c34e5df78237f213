#include "mainscreen/ReportCompanionWindows.h"

#include "budgets/ui/frmBudgetChart.h"
#include "charts/ui/frmChart.h"
#include "years/ui/frmYears.h"

namespace tessamo {

ReportCompanions ReportCompanionWindows() {
    ReportCompanions companions;
    companions.chart = [](const SharedState& state, const ReportChartData& chart, int startMonth, int endMonth) {
        return new frmChart(state, chart, startMonth, endMonth);
    };
    companions.years = [](const SharedState& state, const YearsTable& table) { return new frmYears(state, table); };
    companions.budgetChart = OpenBudgetChart;
    return companions;
}

}  // namespace tessamo
