#include "charts/ui/frmChart.h"

#include "charts/ui/ChartBuilders.h"
#include "core/Amounts.h"
#include "core/Dates.h"
#include "core/YearSelection.h"
#include "platform/CodePage.h"
#include "widgets/Grid.h"

namespace tessamo {
namespace {

// The share as the report's text writes it, in the system's decimal point.
QString Percent(std::int64_t hundredths, const MoneyFormat& money) {
    return QString::fromStdString(PlainNumberText(static_cast<AmountSum>(hundredths) * 100, money)) + "%";
}

// Columns: Section, Name, Income, Expense, Share, Balance.
void AddSummaryRows(std::vector<QStringList>& rows, bool expense, const std::vector<SummaryRow>& summary,
                    AmountSum total, const MoneyFormat& money) {
    const QString section = expense ? QStringLiteral("Money out") : QStringLiteral("Money in");
    const auto line = [&](const QString& name, AmountSum amount, const QString& share) {
        const QString text = MoneyText(amount, money);
        rows.push_back({section, name, expense ? QString() : text, expense ? text : QString(), share, QString()});
    };
    for (const SummaryRow& row : summary)
        line(QString::fromStdString(Cp1252ToUtf8(row.category.Name)).trimmed(), row.subtotal,
             Percent(row.pctHundredths, money));
    line(expense ? QStringLiteral("Total Expense") : QStringLiteral("Total Income"), total, QString());
}

GroupedSeries MonthSeries(const std::vector<MonthTotals>& months) {
    GroupedSeries series;
    series.balanceName = QStringLiteral("Balance of the month");
    AmountSum running = 0;
    for (const MonthTotals& month : months) {
        series.labels << QString::fromStdString(MonthName(month.month)).left(3);
        series.income.push_back(month.income);
        series.expense.push_back(month.expense);
        series.balance.push_back(month.balance);
        running += month.balance;
        series.running.push_back(running);
    }
    return series;
}

}  // namespace

frmChart::frmChart(const SharedState& state, const ReportChartData& chart, int startMonth, int endMonth)
    : ChartWindow(state, QString::fromStdString(ReportChartTitle(ActiveYear(state), startMonth, endMonth)),
                  QString::fromStdString(ActiveYear(state)) + QStringLiteral(" chart")) {
    setObjectName(QStringLiteral("frmChart"));
    const MoneyFormat& money = state.env.money;
    const QString range =
        QStringLiteral(", ") + QString::fromStdString(ReportChartRange(ActiveYear(state), startMonth, endMonth));
    AddChart(MakeSummaryChart(QStringLiteral("Money that went OUT") + range, QStringLiteral("Expense per category"),
                              chart.expense, ChartColours::Expense(), money),
             QStringLiteral("Money &out"));
    AddChart(MakeSummaryChart(QStringLiteral("Money that came IN") + range, QStringLiteral("Income per category"),
                              chart.income, ChartColours::Income(), money),
             QStringLiteral("Money &in"));
    AddChart(MakeGroupedChart(QStringLiteral("Month by month") + range, MonthSeries(chart.months), money),
             QStringLiteral("&Month by month"));

    std::vector<QStringList> rows;
    AddSummaryRows(rows, true, chart.expense, chart.expenseTotal, money);
    AddSummaryRows(rows, false, chart.income, chart.incomeTotal, money);
    for (const MonthTotals& month : chart.months)
        rows.push_back({QStringLiteral("Month"), QString::fromStdString(MonthName(month.month)),
                        MoneyText(month.income, money), MoneyText(month.expense, money), QString(),
                        MoneyText(month.balance, money)});
    SetNumbers({QStringLiteral("Section"), QStringLiteral("Name"), QStringLiteral("Income"), QStringLiteral("Expense"),
                QStringLiteral("Share"), QStringLiteral("Balance")},
               rows, 2);
}

}  // namespace tessamo
