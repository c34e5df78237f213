#pragma once
// The charts of the chart, years and budget windows, built on Qt Charts,
// with one look: amount axes with ticks at round amounts written as currency
// texts, category bars sorted by amount with the amount at each bar's end,
// a calm palette whose colours stay apart printed in grey, and legends that
// say what each series is. The summary's horizontal bars of one section;
// income and expense as bar groups (one group per month or per year) with
// the balance (and the running balance) as lines; pairs of bars per
// category (budget against actual). Hovering a bar or a point shows its value.
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
// Money as the chart windows show it in hover texts and tables.
QString MoneyText(AmountSum amount, const MoneyFormat& money);

// The charts' palette. Light and dark pairs: printed in grey, income (grey
// about 165) and expense (about 85), budget (about 195) and actual (about
// 85) stay apart; the balances are lines, dark solid and mid dashed.
namespace ChartColours {
inline QColor Income() { return QColor(0x7F, 0xB3, 0xD5); }
inline QColor Expense() { return QColor(0xA2, 0x3B, 0x2A); }
inline QColor Balance() { return QColor(0x33, 0x33, 0x33); }
inline QColor RunningBalance() { return QColor(0x6A, 0x8E, 0x4E); }
inline QColor Budget() { return QColor(0xB8, 0xC4, 0xCE); }
inline QColor Actual() { return QColor(0x44, 0x54, 0x6A); }
}  // namespace ChartColours

// One section of the summary: a bar per row, the largest on top, with its
// subtotal at its end; `legend` says what the bars are.
QChart* MakeSummaryChart(const QString& title, const QString& legend, const std::vector<SummaryRow>& rows,
                         const QColor& colour, const MoneyFormat& money);

struct GroupedSeries {
    QStringList labels;  // one per group: a month, a year
    std::vector<AmountSum> income, expense, balance;
    std::vector<AmountSum> running;  // the balance so far at each group; none drawn when empty
    QString balanceName = QStringLiteral("Balance");  // the legend of `balance`
};

// One named series of bars: a value per category.
struct BarValues {
    QString name;
    std::vector<AmountSum> values;
    QColor colour;
};
// Horizontal bars, one group per label (top to bottom in the order given),
// each set's amount written at its bar's end.
QChart* MakePairedBarChart(const QString& title, const QStringList& labels, const std::vector<BarValues>& sets,
                           const MoneyFormat& money);
QChart* MakeGroupedChart(const QString& title, const GroupedSeries& series, const MoneyFormat& money);

// A chart view that shows a hovered value as a tool tip.
QChartView* MakeChartView(QChart* chart, const QString& accessibleName, QWidget* parent);

// The numbers behind a chart, for reading and for screen readers; the
// columns from `firstAmountColumn` on hold amounts and are right-aligned.
void FillNumbers(QTableWidget* table, const QStringList& headers, const std::vector<QStringList>& rows,
                 int firstAmountColumn);

}  // namespace tessamo
