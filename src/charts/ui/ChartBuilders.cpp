#include "charts/ui/ChartBuilders.h"

#include <QBarCategoryAxis>
#include <QCategoryAxis>
#include <QGraphicsSimpleTextItem>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QTableWidget>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "charts/AxisTicks.h"
#include "platform/CodePage.h"
#include "widgets/Grid.h"

namespace tessamo {
namespace {

QString Currency(double value, const MoneyFormat& money) {
    return MoneyText(static_cast<AmountSum>(std::llround(value * 10000)), money);
}

// An amount axis over low..high with ticks at round amounts, each written
// as currency text; the hover texts give the exact money.
QCategoryAxis* NewAmountAxis(AmountSum low, AmountSum high, const MoneyFormat& money) {
    const std::vector<AmountSum> ticks = RoundTicks(low, high);
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // The first tick is a label of its own just above the start, which a
    // category axis would otherwise leave unnamed.
    axis->setStartValue(ChartValue(ticks.front()) - 1e-6);
    for (AmountSum tick : ticks) axis->append(MoneyText(tick, money), ChartValue(tick));
    axis->setRange(ChartValue(ticks.front()), ChartValue(ticks.back()));
    axis->setGridLineVisible(true);
    return axis;
}

// The last amount of an axis along the bottom is written centred under the
// plot's right end; the chart keeps room for the half that sticks out.
void MakeRoomForLastLabel(QChart* chart, QCategoryAxis* axis) {
    const QStringList labels = axis->categoriesLabels();
    if (labels.isEmpty()) return;
    QMargins margins = chart->margins();
    margins.setRight(margins.right() + QFontMetrics(axis->labelsFont()).horizontalAdvance(labels.back()) / 2);
    chart->setMargins(margins);
}

// The lowest and highest of several value lists, 0 included.
std::pair<AmountSum, AmountSum> Span(std::initializer_list<const std::vector<AmountSum>*> lists) {
    AmountSum low = 0, high = 0;
    for (const auto* values : lists)
        for (AmountSum value : *values) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    return {low, high};
}

// Each bar's amount just beyond its end (left of a bar below zero), placed
// anew whenever the chart lays out its plot area.
void LabelBarEnds(QChart* chart, QHorizontalBarSeries* series, const std::vector<QStringList>& texts) {
    std::vector<std::pair<QGraphicsSimpleTextItem*, QPointF>> labels;
    const QList<QBarSet*> sets = series->barSets();
    const double setCount = static_cast<double>(sets.size());
    for (qsizetype s = 0; s < sets.size(); ++s)
        for (qsizetype i = 0; i < sets[s]->count(); ++i) {
            auto* item = new QGraphicsSimpleTextItem(texts[static_cast<std::size_t>(s)][i], chart);
            const double offset = series->barWidth() * ((static_cast<double>(s) + 0.5) / setCount - 0.5);
            labels.emplace_back(item, QPointF(sets[s]->at(i), static_cast<double>(i) + offset));
        }
    const auto place = [chart, series, labels] {
        for (const auto& [item, value] : labels) {
            const QPointF end = chart->mapToPosition(value, series);
            const QRectF box = item->boundingRect();
            const double x = value.x() < 0 ? end.x() - box.width() - 4 : end.x() + 4;
            item->setPos(x, end.y() - box.height() / 2);
        }
    };
    QObject::connect(chart, &QChart::plotAreaChanged, chart, place);
}

// Every name in full: with many rows the names get a smaller font, so that
// the axis neither drops every other one nor cuts them to an ellipsis.
void ShowEveryName(QBarCategoryAxis* axis, qsizetype rows) {
    axis->setTruncateLabels(false);
    if (rows <= 16) return;
    QFont font = axis->labelsFont();
    font.setPointSizeF(std::max(6.0, font.pointSizeF() * 16.0 / static_cast<double>(rows) * 1.4));
    axis->setLabelsFont(font);
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

QString MoneyText(AmountSum amount, const MoneyFormat& money) {
    return QString::fromStdString(CurrencyText(amount, money));
}

QChart* MakeSummaryChart(const QString& title, const QString& legend, const std::vector<SummaryRow>& rows,
                         const QColor& colour, const MoneyFormat& money) {
    // Largest on top: a horizontal bar chart runs bottom to top.
    std::vector<SummaryRow> sorted = rows;
    std::stable_sort(sorted.begin(), sorted.end(), [](const SummaryRow& a, const SummaryRow& b) { return a.subtotal > b.subtotal; });
    QStringList labels;
    std::vector<AmountSum> values;
    for (const SummaryRow& row : sorted) {
        labels << QString::fromStdString(Cp1252ToUtf8(row.category.Name)).trimmed();
        values.push_back(row.subtotal);
    }
    return MakePairedBarChart(title, labels, {{legend, values, colour}}, money);
}

QChart* MakePairedBarChart(const QString& title, const QStringList& labels, const std::vector<BarValues>& sets,
                           const MoneyFormat& money) {
    QChart* chart = NewChart(title);
    auto* series = new QHorizontalBarSeries;
    std::vector<QStringList> texts;
    QStringList reversed;  // bottom to top
    for (auto label = labels.rbegin(); label != labels.rend(); ++label) reversed << *label;
    AmountSum low = 0, high = 0;
    for (const BarValues& set : sets) {
        std::vector<AmountSum> values(set.values.rbegin(), set.values.rend());
        series->append(MakeSet(set.name, values, set.colour));
        QStringList amounts;
        for (AmountSum value : values) amounts << MoneyText(value, money);
        texts.push_back(amounts);
        const auto [setLow, setHigh] = Span({&values});
        low = std::min(low, setLow);
        high = std::max(high, setHigh);
    }
    series->setBarWidth(sets.size() > 1 ? 0.8 : 0.6);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(reversed);
    ShowEveryName(categories, reversed.size());
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    // Room beyond the largest bar for its amount.
    QCategoryAxis* amounts = NewAmountAxis(low, high + (high - low) / 5, money);
    chart->addAxis(amounts, Qt::AlignBottom);
    series->attachAxis(amounts);
    MakeRoomForLastLabel(chart, amounts);
    ShowValuesOnHover(series, reversed, money);
    LabelBarEnds(chart, series, texts);
    return chart;
}

namespace {

// A balance as a line over the groups, its value shown on hover.
void AddBalanceLine(QChart* chart, const QString& name, const std::vector<AmountSum>& values, const QColor& colour,
                    Qt::PenStyle style, const QStringList& groups, const MoneyFormat& money) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->setPointsVisible(true);
    QPen pen(colour, 2, style);
    line->setPen(pen);
    for (std::size_t i = 0; i < values.size(); ++i) line->append(static_cast<double>(i), ChartValue(values[i]));
    chart->addSeries(line);
    for (QAbstractAxis* axis : chart->axes()) line->attachAxis(axis);
    QObject::connect(line, &QLineSeries::hovered, line, [groups, money, name](const QPointF& point, bool state) {
        if (!state) return QToolTip::hideText();
        const auto index = static_cast<qsizetype>(std::lround(point.x()));
        const QString group = index >= 0 && index < groups.size() ? groups[index] : QString();
        QToolTip::showText(QCursor::pos(), group + QStringLiteral(" — ") + name + QStringLiteral(": ") +
                                               Currency(point.y(), money));
    });
}

}  // namespace

QChart* MakeGroupedChart(const QString& title, const GroupedSeries& groups, const MoneyFormat& money) {
    QChart* chart = NewChart(title);
    auto* bars = new QBarSeries;
    bars->append(MakeSet(QStringLiteral("Income"), groups.income, ChartColours::Income()));
    bars->append(MakeSet(QStringLiteral("Expense"), groups.expense, ChartColours::Expense()));
    chart->addSeries(bars);
    auto* labels = new QBarCategoryAxis;
    labels->append(groups.labels);
    chart->addAxis(labels, Qt::AlignBottom);
    bars->attachAxis(labels);
    // The axis spans every bar and a balance below 0 as well.
    const auto [low, high] = Span({&groups.income, &groups.expense, &groups.balance, &groups.running});
    QCategoryAxis* amounts = NewAmountAxis(low, high, money);
    chart->addAxis(amounts, Qt::AlignLeft);
    bars->attachAxis(amounts);
    ShowValuesOnHover(bars, groups.labels, money);
    AddBalanceLine(chart, groups.balanceName, groups.balance, ChartColours::Balance(), Qt::SolidLine,
                   groups.labels, money);
    if (!groups.running.empty())
        AddBalanceLine(chart, QStringLiteral("Running balance"), groups.running, ChartColours::RunningBalance(),
                       Qt::DashLine, groups.labels, money);
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
    // The names take the spare width, so the amounts stand together at the right.
    if (firstAmountColumn > 0) table->horizontalHeader()->setSectionResizeMode(firstAmountColumn - 1, QHeaderView::Stretch);
}

}  // namespace tessamo
