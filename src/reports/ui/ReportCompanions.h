#pragma once
// The chart windows the report window opens beside itself: the report's
// chart, the years side by side, the budget chart. The main window supplies
// them, so the report window knows none of their classes; the first two
// hand back the window, which the report window opens as its own.
#include <QWidget>
#include <functional>

#include "core/SharedState.h"

namespace tessamo {

struct ReportChartData;
struct YearsTable;

struct ReportCompanions {
    std::function<QWidget*(const SharedState&, const ReportChartData&, int startMonth, int endMonth)> chart;
    std::function<QWidget*(const SharedState&, const YearsTable&)> years;
    std::function<void(const SharedState&, QWidget* owner, int startMonth, int endMonth)> budgetChart;
};

}  // namespace tessamo
