// The chart windows through the report window's "&Chart" menu: refused
// without categories, the report's charts drawn offscreen with one bar per
// summary line, the numbers as a table, PNG and PDF saved; the years window.
#include <QAbstractBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QLineSeries>
#include <QChart>
#include <QChartView>
#include <QMenuBar>
#include <QPainter>
#include <QTabWidget>
#include <QTableWidget>

#include "budgets/BudgetFile.h"
#include "budgets/ui/frmBudgetChart.h"
#include "charts/ui/ChartBuilders.h"
#include "charts/ui/frmChart.h"
#include "reports/ReportWindowHarness.h"
#include "years/ui/frmYears.h"

using namespace tessamo;

namespace {

template <class Window>
Window* OpenWindow(QAction* entry) {
    entry->trigger();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(w); window && window->isVisible()) return window;
    return nullptr;
}

// Runs of pixels in `colour` down the column just right of the plot's left edge.
int BarsAlongTheAxis(QChartView* view, const QColor& colour) {
    QChart* chart = view->chart();
    QImage image(chart->size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    chart->scene()->render(&painter, QRectF(QPointF(0, 0), chart->size()), chart->sceneBoundingRect());
    painter.end();
    const int x = static_cast<int>(chart->plotArea().left()) + 3;
    int runs = 0;
    bool inside = false;
    for (int y = 0; y < image.height(); ++y) {
        const bool match = image.pixelColor(x, y) == colour;
        runs += match && !inside;
        inside = match;
    }
    return runs;
}

}  // namespace

class tst_charts : public QObject {
    Q_OBJECT
private slots:
    void refusedWithoutCategories() {
        ReportWindowHarness h;
        h.window->mnuChartReport->trigger();
        QCOMPARE(h.env.dialogs.Texts(), std::vector<std::string>{"You must select categories first!"});
        QCOMPARE(h.window->menuBar()->actions().last()->text(), QStringLiteral("&Chart"));
    }

    void reportChartsDrawTheSummaryAndSave() {
        ReportWindowHarness h;
        h.Press("rtbAll");
        frmChart* chart = OpenWindow<frmChart>(h.window->mnuChartReport);
        QVERIFY(chart);
        QCOMPARE(chart->windowTitle(), QStringLiteral("Tessamo 2.1 - Chart of 1999, January through December"));
        QCOMPARE(chart->Tabs->count(), 4);  // money out, money in, months, numbers
        const auto barsOfTab = [&](int tab, const QColor& colour) {
            chart->Tabs->setCurrentIndex(tab);  // a hidden tab's chart has no size yet
            QTest::qWait(1);
            if (!QTest::qWaitFor([&] { return chart->Charts()[tab]->chart()->plotArea().height() > 50; })) return -1;
            return BarsAlongTheAxis(chart->Charts()[tab], colour);
        };
        QCOMPARE(barsOfTab(0, ChartColours::Expense()), 2);  // Auto and Food
        QCOMPARE(barsOfTab(1, ChartColours::Income()), 1);   // Salary
        // Food's larger amount on top; ticks at round amounts as currency texts.
        const auto* moneyOut = qobject_cast<QAbstractBarSeries*>(chart->Charts()[0]->chart()->series().first());
        QCOMPARE(moneyOut->barSets()[0]->label(), QStringLiteral("Expense per category"));
        QCOMPARE(moneyOut->barSets()[0]->at(1), 120.0);
        auto* ticks = qobject_cast<QCategoryAxis*>(chart->Charts()[0]->chart()->axes(Qt::Horizontal).first());
        QVERIFY(ticks);
        QCOMPARE(ticks->categoriesLabels().first(), QStringLiteral("$0.00"));
        QCOMPARE(ticks->categoriesLabels().at(1), QStringLiteral("$50.00"));
        const QList<QAbstractSeries*> months = chart->Charts()[2]->chart()->series();
        QCOMPARE(months.size(), 3);  // the bars, each month's balance, the running balance
        const auto* running = qobject_cast<QLineSeries*>(months.last());
        QCOMPARE(running->name(), QStringLiteral("Running balance"));
        QCOMPARE(running->at(4).y(), 1500.0 - 120.0 - 45.5);  // May
        QCOMPARE(chart->Numbers->rowCount(), 2 + 1 + 1 + 1 + 12);  // rows and totals, twelve months
        QCOMPARE(chart->Numbers->item(0, 1)->text(), QStringLiteral("Auto"));
        QCOMPARE(chart->Numbers->item(0, 4)->text(), QStringLiteral("27.49%"));

        TempFolder out;
        for (const char* name : {"chart.png", "chart.pdf"}) {
            h.env.dialogs.files = {out.PathOf(name)};
            QString(name).endsWith("png") ? chart->SaveAsPng() : chart->SaveAsPdf();
        }
        QVERIFY(!QImage::fromData(QByteArray::fromStdString(out.Read("chart.png"))).isNull());
        QCOMPARE(out.Read("chart.pdf").substr(0, 5), std::string("%PDF-"));
        QVERIFY(h.env.dialogs.messages.empty());
    }

    void budgetChartShowsTheCommandLinesNumbers() {
        ReportWindowHarness h;
        YearBudgets budgets;
        budgets.Set("FD", 0, Money(-100));
        budgets.Set("SA", 5, Money(1000));
        budgets.Set("AU", 3, Money(-50));
        h.env.folder.Write(BudgetFileName("1999"), budgets.FileText());
        frmBudgetChart* chart = OpenWindow<frmBudgetChart>(h.window->mnuChartBudget);
        QVERIFY(chart);
        QCOMPARE(chart->Tabs->count(), 2);
        // The rows of "tessamo-cli budget": category order, currency texts, the share used.
        const QStringList expected[] = {{"AU", "Auto", "($50.00)", "($45.50)", "($4.50)", "91.0 %"},
                                        {"FD", "Food", "($1,200.00)", "($120.00)", "($1,080.00)", "10.0 %"},
                                        {"SA", "Salary", "$1,000.00", "$1,500.00", "($500.00)", "150.0 %"}};
        QCOMPARE(chart->Numbers->rowCount(), 3);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 6; ++c) QCOMPARE(chart->Numbers->item(r, c)->text(), expected[r][c]);
        // Bars of budget and actual, the largest budget (Food) on top, expenses drawn as spent.
        const auto* bars = qobject_cast<QAbstractBarSeries*>(chart->Charts()[0]->chart()->series().first());
        QCOMPARE(bars->barSets().size(), 2);
        QCOMPARE(bars->barSets()[0]->at(2), 1200.0);
        QCOMPARE(bars->barSets()[1]->at(2), 120.0);
        QCOMPARE(bars->barSets()[1]->at(0), 45.5);
    }

    void yearsWindowGroupsEachYear() {
        ReportWindowHarness h;
        frmYears* years = OpenWindow<frmYears>(h.window->mnuChartYears);
        QVERIFY(years);
        QCOMPARE(years->Tabs->count(), 2);
        const auto* bars = qobject_cast<QAbstractBarSeries*>(years->Charts()[0]->chart()->series().first());
        QVERIFY(bars);
        QCOMPARE(bars->barSets().size(), 2);  // income, expense
        QCOMPARE(bars->barSets()[0]->count(), 1);
        QCOMPARE(bars->barSets()[0]->at(0), 1500.0);
        QCOMPARE(years->Numbers->rowCount(), 4 + 1 + 1);  // four categories, the year, all years
    }
};

QTEST_MAIN(tst_charts)
#include "tst_charts.moc"
