#pragma once
// The charts of the chart and years windows, built on Qt Charts: the
// summary's horizontal bars of one section, and income and expense as bar
// groups (one group per month or per year) with the balance as a line.
// Expense is drawn in the colour the main window gives expenses. Hovering a
// bar or a point shows its value.
#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/Amounts.h"
#include "platform/MoneyFormat.h"
#include "reports/ReportSummary.h"

class QChart;
class QChartView;
class QTableWidget;
class QWidget;

namespace tessamo {

// Money as the charts' axes take it (units, not ten-thousandths).
double ChartValue(AmountSum amount);

// One section of the summary: a bar per row in the report's order (top to
// bottom), scaled so that the largest fills the axis as its 26 bars do.
QChart* MakeSummaryChart(const QString& title, const std::vector<SummaryRow>& rows, const QColor& colour,
                         const MoneyFormat& money);

struct GroupedSeries {
    QStringList labels;  // one per group: a month, a year
    std::vector<AmountSum> income, expense, balance;
};
QChart* MakeGroupedChart(const QString& title, const GroupedSeries& series, const MoneyFormat& money);

// A chart view that shows a hovered value as a tool tip.
QChartView* MakeChartView(QChart* chart, const QString& accessibleName, QWidget* parent);

// The numbers behind a chart, for reading and for screen readers; the
// columns from `firstAmountColumn` on hold amounts and are right-aligned.
void FillNumbers(QTableWidget* table, const QStringList& headers, const std::vector<QStringList>& rows,
                 int firstAmountColumn);

}  // namespace tessamo
