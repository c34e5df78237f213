#pragma once
// frmChart: the charts of a report, for the report window's choice of
// categories and months: money out and money in per category as the
// summary has them, and income, expense and balance month by month.
#include "charts/ReportChart.h"
#include "charts/ui/ChartWindow.h"

namespace tessamo {

class frmChart : public ChartWindow {
    Q_OBJECT
public:
    frmChart(const SharedState& state, const ReportChartData& chart, int startMonth, int endMonth);
};

}  // namespace tessamo
