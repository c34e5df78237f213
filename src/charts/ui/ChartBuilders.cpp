#include "charts/ui/ChartBuilders.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QTableWidget>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "platform/CodePage.h"
#include "widgets/Grid.h"

namespace tessamo {
namespace {

QString Currency(double value, const MoneyFormat& money) {
    return QString::fromStdString(CurrencyText(static_cast<AmountSum>(std::llround(value * 10000)), money));
}

// Hovering a bar shows its set's name, its group and its value.
void ShowValuesOnHover(QAbstractBarSeries* series, const QStringList& labels, const MoneyFormat& money) {
    QObject::connect(series, &QAbstractBarSeries::hovered, series,
                     [labels, money](bool status, int index, QBarSet* set) {
                         if (!status) return QToolTip::hideText();
                         const QString group = index < labels.size() ? labels[index] : QString();
                         QToolTip::showText(QCursor::pos(), group + QStringLiteral(" — ") + set->label() +
                                                                QStringLiteral(": ") + Currency(set->at(index), money));
                     });
}

QBarSet* MakeSet(const QString& label, const std::vector<AmountSum>& values, const QColor& colour) {
    auto* set = new QBarSet(label);
    for (AmountSum value : values) set->append(ChartValue(value));
    set->setColor(colour);
    set->setBorderColor(colour);
    return set;
}

QChart* NewChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

}  // namespace

double ChartValue(AmountSum amount) { return static_cast<double>(amount) / 10000.0; }

QChart* MakeSummaryChart(const QString& title, const std::vector<SummaryRow>& rows, const QColor& colour,
                         const MoneyFormat& money) {
    QChart* chart = NewChart(title);
    QStringList labels;
    std::vector<AmountSum> values;
    // A horizontal bar chart runs bottom to top; the report reads top down.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        labels << QString::fromStdString(Cp1252ToUtf8(row->category.Name)).trimmed();
        values.push_back(row->subtotal);
    }
    auto* series = new QHorizontalBarSeries;
    series->append(MakeSet(QStringLiteral("Sub Total"), values, colour));
    series->setBarWidth(0.7);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    auto* amounts = new QValueAxis;
    amounts->setMin(0);
    amounts->setMax(rows.empty() ? 1.0 : ChartValue(std::max_element(rows.begin(), rows.end(), [](auto& a, auto& b) {
                                                         return a.subtotal < b.subtotal;
                                                     })->subtotal));
    chart->addAxis(amounts, Qt::AlignBottom);
    series->attachAxis(amounts);
    ShowValuesOnHover(series, labels, money);
    return chart;
}

QChart* MakeGroupedChart(const QString& title, const GroupedSeries& groups, const MoneyFormat& money) {
    QChart* chart = NewChart(title);
    auto* bars = new QBarSeries;
    bars->append(MakeSet(QStringLiteral("Income"), groups.income, AmountColour(1)));
    bars->append(MakeSet(QStringLiteral("Expense"), groups.expense, AmountColour(-1)));
    chart->addSeries(bars);
    auto* balance = new QLineSeries;
    balance->setName(QStringLiteral("Balance"));
    balance->setPointsVisible(true);
    balance->setColor(AmountColour(0));
    for (std::size_t i = 0; i < groups.balance.size(); ++i)
        balance->append(static_cast<double>(i), ChartValue(groups.balance[i]));
    chart->addSeries(balance);
    auto* labels = new QBarCategoryAxis;
    labels->append(groups.labels);
    chart->addAxis(labels, Qt::AlignBottom);
    bars->attachAxis(labels);
    balance->attachAxis(labels);
    // The axis spans every bar and a balance below 0 as well.
    double low = 0, high = 0;
    for (const auto* values : {&groups.income, &groups.expense, &groups.balance})
        for (AmountSum value : *values) {
            low = std::min(low, ChartValue(value));
            high = std::max(high, ChartValue(value));
        }
    auto* amounts = new QValueAxis;
    amounts->setRange(low, high > low ? high : low + 1);
    amounts->applyNiceNumbers();
    chart->addAxis(amounts, Qt::AlignLeft);
    bars->attachAxis(amounts);
    balance->attachAxis(amounts);
    ShowValuesOnHover(bars, groups.labels, money);
    QObject::connect(balance, &QLineSeries::hovered, balance, [groups, money](const QPointF& point, bool state) {
        if (!state) return QToolTip::hideText();
        const auto index = static_cast<qsizetype>(std::lround(point.x()));
        const QString group = index >= 0 && index < groups.labels.size() ? groups.labels[index] : QString();
        QToolTip::showText(QCursor::pos(), group + QStringLiteral(" — Balance: ") + Currency(point.y(), money));
    });
    return chart;
}

QChartView* MakeChartView(QChart* chart, const QString& accessibleName, QWidget* parent) {
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(accessibleName);
    view->setMinimumSize(480, 320);
    return view;
}

void FillNumbers(QTableWidget* table, const QStringList& headers, const std::vector<QStringList>& rows,
                 int firstAmountColumn) {
    table->clear();
    table->setColumnCount(static_cast<int>(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            if (c >= firstAmountColumn) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
}

}  // namespace tessamo
