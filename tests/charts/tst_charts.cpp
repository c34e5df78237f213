// The chart windows through the report window's "&Chart" menu: refused
// without categories, the report's charts drawn offscreen with one bar per
// summary line, the numbers as a table, PNG and PDF saved; the years window.
#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QMenuBar>
#include <QPainter>
#include <QTabWidget>
#include <QTableWidget>

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
        QCOMPARE(barsOfTab(0, QColor(255, 0, 0)), 2);  // Auto and Food, in the expense colour
        QCOMPARE(barsOfTab(1, QColor(0, 0, 0)), 1);    // Salary
        QCOMPARE(chart->Numbers->rowCount(), 2 + 1 + 1 + 1 + 12);  // rows and totals, twelve months
        QCOMPARE(chart->Numbers->item(0, 1)->text(), QStringLiteral("Auto"));
        QCOMPARE(chart->Numbers->item(0, 4)->text(), QStringLiteral("27.49%"));

        TempFolder out;
        for (const char* name : {"chart.png", "chart.pdf"}) {
            chart->chooseFile = [&](const QString&, const QString&) {
                return std::optional<QString>(QString::fromStdString(out.PathOf(name)));
            };
            QString(name).endsWith("png") ? chart->SaveAsPng() : chart->SaveAsPdf();
        }
        QVERIFY(!QImage::fromData(QByteArray::fromStdString(out.Read("chart.png"))).isNull());
        QCOMPARE(out.Read("chart.pdf").substr(0, 5), std::string("%PDF-"));
        QVERIFY(h.env.dialogs.messages.empty());
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
