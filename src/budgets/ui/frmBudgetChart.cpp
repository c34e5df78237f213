#include "budgets/ui/frmBudgetChart.h"

#include <algorithm>

#include "budgets/BudgetText.h"
#include "charts/ReportChart.h"
#include "charts/ui/ChartBuilders.h"
#include "core/YearSelection.h"
#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/FileErrors.h"
#include "widgets/OwnedWindow.h"

namespace tessamo {
namespace {

// An expense category's amounts as the positive amounts spent, an income's as they are.
AmountSum Drawn(const BudgetRow& row, AmountSum amount) { return row.budget < 0 ? -amount : amount; }

QChart* MakeChart(const QString& title, std::vector<BudgetRow> rows, const MoneyFormat& money) {
    std::stable_sort(rows.begin(), rows.end(), [](const BudgetRow& a, const BudgetRow& b) {
        return (a.budget < 0 ? -a.budget : a.budget) > (b.budget < 0 ? -b.budget : b.budget);
    });
    QStringList labels;
    BarValues budget{QStringLiteral("Budget (limit or expected income)"), {}, ChartColours::Budget()};
    BarValues actual{QStringLiteral("Actual (spent or received)"), {}, ChartColours::Actual()};
    for (const BudgetRow& row : rows) {
        labels << QString::fromStdString(Cp1252ToUtf8(row.description)) +
                      (row.budget < 0 ? QStringLiteral(" (expense)") : QStringLiteral(" (income)"));
        budget.values.push_back(Drawn(row, row.budget));
        actual.values.push_back(Drawn(row, row.actual));
    }
    return MakePairedBarChart(title, labels, {budget, actual}, money);
}

// "Budget against actual, 1999, January through December".
QString ChartTitle(const SharedState& state, int startMonth, int endMonth) {
    return QStringLiteral("Budget against actual, ") +
           QString::fromStdString(ReportChartRange(ActiveYear(state), startMonth, endMonth));
}

}  // namespace

frmBudgetChart::frmBudgetChart(const SharedState& state, const std::vector<BudgetRow>& rows, int startMonth,
                               int endMonth)
    : ChartWindow(state, QString::fromLatin1(kProgramTitle) + QStringLiteral(" - ") + ChartTitle(state, startMonth, endMonth),
                  QString::fromStdString(ActiveYear(state)) + QStringLiteral(" budget chart")) {
    setObjectName(QStringLiteral("frmBudgetChart"));
    AddChart(MakeChart(ChartTitle(state, startMonth, endMonth), rows, state.env.money),
             QStringLiteral("&Budget against actual"));
    QStringList headers;
    for (const char* column : kBudgetColumns) headers << QString::fromLatin1(column);
    std::vector<QStringList> table;
    for (const BudgetRow& row : rows) {
        QStringList cells;
        for (const std::string& cell : BudgetRowCells(row, state.env.money)) cells << QString::fromStdString(cell);
        table.push_back(cells);
    }
    SetNumbers(headers, table, 2);
}

void OpenBudgetChart(const SharedState& state, QWidget* owner, int startMonth, int endMonth) {
    std::vector<BudgetRow> rows;
    if (!ReportIfFailed(state.env.dialogs, LoadBudgetRows(state, {startMonth, endMonth, false}, rows))) return;
    OpenOwnedWindow(owner, new frmBudgetChart(state, rows, startMonth, endMonth), OwnerWhileOpen::Enabled);
}

}  // namespace tessamo
