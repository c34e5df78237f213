#include "charts/ui/frmChart.h"

#include "charts/ui/ChartBuilders.h"
#include "core/Dates.h"
#include "core/YearSelection.h"
#include "platform/CodePage.h"
#include "widgets/Grid.h"

namespace tessamo {
namespace {

QString Money(AmountSum amount, const MoneyFormat& money) { return QString::fromStdString(CurrencyText(amount, money)); }

QString Percent(std::int64_t hundredths) { return QString::number(static_cast<double>(hundredths) / 100.0) + "%"; }

// Columns: Section, Name, Income, Expense, Share, Balance.
void AddSummaryRows(std::vector<QStringList>& rows, bool expense, const std::vector<SummaryRow>& summary,
                    AmountSum total, const MoneyFormat& money) {
    const QString section = expense ? QStringLiteral("Money out") : QStringLiteral("Money in");
    const auto line = [&](const QString& name, AmountSum amount, const QString& share) {
        const QString text = Money(amount, money);
        rows.push_back({section, name, expense ? QString() : text, expense ? text : QString(), share, QString()});
    };
    for (const SummaryRow& row : summary)
        line(QString::fromStdString(Cp1252ToUtf8(row.category.Name)).trimmed(), row.subtotal,
             Percent(row.pctHundredths));
    line(expense ? QStringLiteral("Total Expense") : QStringLiteral("Total Income"), total, QString());
}

GroupedSeries MonthSeries(const std::vector<MonthTotals>& months) {
    GroupedSeries series;
    for (const MonthTotals& month : months) {
        series.labels << QString::fromStdString(MonthName(month.month)).left(3);
        series.income.push_back(month.income);
        series.expense.push_back(month.expense);
        series.balance.push_back(month.balance);
    }
    return series;
}

}  // namespace

frmChart::frmChart(const SharedState& state, const ReportChartData& chart, int startMonth, int endMonth)
    : ChartWindow(state, QString::fromStdString(ReportChartTitle(ActiveYear(state), startMonth, endMonth)),
                  QString::fromStdString(ActiveYear(state)) + QStringLiteral(" chart")) {
    setObjectName(QStringLiteral("frmChart"));
    const MoneyFormat& money = state.env.money;
    const QString range = QStringLiteral(", ") + QString::fromStdString(ActiveYear(state) + ", " +
                                                                       MonthName(startMonth) + " through " +
                                                                       MonthName(endMonth));
    AddChart(MakeSummaryChart(QStringLiteral("Money that went OUT") + range, chart.expense, AmountColour(-1), money),
             QStringLiteral("Money &out"));
    AddChart(MakeSummaryChart(QStringLiteral("Money that came IN") + range, chart.income, AmountColour(1), money),
             QStringLiteral("Money &in"));
    AddChart(MakeGroupedChart(QStringLiteral("Month by month") + range, MonthSeries(chart.months), money),
             QStringLiteral("&Month by month"));

    std::vector<QStringList> rows;
    AddSummaryRows(rows, true, chart.expense, chart.expenseTotal, money);
    AddSummaryRows(rows, false, chart.income, chart.incomeTotal, money);
    for (const MonthTotals& month : chart.months)
        rows.push_back({QStringLiteral("Month"), QString::fromStdString(MonthName(month.month)),
                        Money(month.income, money), Money(month.expense, money), QString(),
                        Money(month.balance, money)});
    SetNumbers({QStringLiteral("Section"), QStringLiteral("Name"), QStringLiteral("Income"), QStringLiteral("Expense"),
                QStringLiteral("Share"), QStringLiteral("Balance")},
               rows, 2);
}

}  // namespace tessamo
