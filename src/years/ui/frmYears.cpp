#include "years/ui/frmYears.h"

#include "charts/ui/ChartBuilders.h"
#include "platform/CodePage.h"

namespace tessamo {
namespace {

// The years that could be read, in order.
GroupedSeries YearSeries(const YearsTable& table) {
    GroupedSeries series;
    series.balanceName = QStringLiteral("Balance of the year");
    for (const YearRow& row : table.years) {
        if (!row.failure.empty()) continue;
        series.labels << QString::fromStdString(row.year);
        series.income.push_back(row.all.income);
        series.expense.push_back(row.all.expense);
        series.balance.push_back(row.all.income - row.all.expense);
    }
    return series;
}

QStringList Row(const std::string& year, const QString& code, const QString& name, const YearCategoryTotals& totals,
                const MoneyFormat& money) {
    const auto text = [&](AmountSum amount) { return MoneyText(amount, money); };
    return {QString::fromStdString(year), code, name, text(totals.income), text(totals.expense),
            text(totals.income - totals.expense)};
}

std::vector<QStringList> TableRows(const YearsTable& table, const MoneyFormat& money) {
    std::vector<QStringList> rows;
    for (const YearRow& row : table.years) {
        if (!row.failure.empty()) {
            rows.push_back({QString::fromStdString(row.year), QString(),
                            QStringLiteral("cannot be read: ") + QString::fromStdString(row.failure)});
            continue;
        }
        for (std::size_t i = 0; i < table.categories.size(); ++i)
            rows.push_back(Row(row.year, QString::fromStdString(Cp1252ToUtf8(table.categories[i].Code)).trimmed(),
                               QString::fromStdString(Cp1252ToUtf8(table.categories[i].Name)).trimmed(),
                               row.categories[i], money));
        rows.push_back(Row(row.year, QString(), QStringLiteral("All"), row.all, money));
    }
    rows.push_back(Row("All", QString(), QStringLiteral("All"), table.all, money));
    return rows;
}

}  // namespace

frmYears::frmYears(const SharedState& state, const YearsTable& table)
    : ChartWindow(state, QStringLiteral("Tessamo 2.1 - Years"), QStringLiteral("years")) {
    setObjectName(QStringLiteral("frmYears"));
    AddChart(MakeGroupedChart(QStringLiteral("Income and expense year by year"), YearSeries(table), state.env.money),
             QStringLiteral("&Years"));
    SetNumbers({QStringLiteral("Year"), QStringLiteral("Code"), QStringLiteral("Category"), QStringLiteral("Income"),
                QStringLiteral("Expense"), QStringLiteral("Balance")},
               TableRows(table, state.env.money), 3);
}

}  // namespace tessamo
