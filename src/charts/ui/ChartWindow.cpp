#include "charts/ui/ChartWindow.h"

#include <QAction>
#include <QChartView>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>

#include "charts/ui/ChartBuilders.h"
#include "platform/FileErrors.h"
#include "widgets/PageOutput.h"
#include "widgets/WaitCursor.h"

namespace tessamo {
namespace {

QAction* AddEntry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    return action;
}

}  // namespace

ChartWindow::ChartWindow(const SharedState& state, const QString& title, const QString& fileStem)
    : QMainWindow(nullptr), state_(state), fileStem_(fileStem) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    Tabs = new QTabWidget(this);
    Tabs->setObjectName(QStringLiteral("Tabs"));
    Tabs->setAccessibleName(QStringLiteral("Charts"));
    Numbers = new QTableWidget(this);
    Numbers->setObjectName(QStringLiteral("Numbers"));
    Numbers->setAccessibleName(QStringLiteral("The chart's numbers"));
    Tabs->addTab(Numbers, QStringLiteral("&Numbers"));
    setCentralWidget(Tabs);
    createMenu();
    resize(900, 620);
}

void ChartWindow::createMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuPrint = AddEntry(file, "mnuPrint", QStringLiteral("&Print…"), QKeySequence::Print);
    mnuPrintPreview = AddEntry(file, "mnuPrintPreview", QStringLiteral("Print Pre&view…"), QKeySequence());
    mnuSavePdf = AddEntry(file, "mnuSavePdf", QStringLiteral("Save as P&DF…"), QKeySequence());
    mnuSavePng = AddEntry(file, "mnuSavePng", QStringLiteral("Save as P&NG…"), QKeySequence());
    file->addSeparator();
    mnuClose = AddEntry(file, "mnuClose", QStringLiteral("&Close"), QKeySequence::Close);
    connect(mnuPrint, &QAction::triggered, this, &ChartWindow::Print);
    connect(mnuPrintPreview, &QAction::triggered, this, &ChartWindow::PrintPreview);
    connect(mnuSavePdf, &QAction::triggered, this, &ChartWindow::SaveAsPdf);
    connect(mnuSavePng, &QAction::triggered, this, &ChartWindow::SaveAsPng);
    connect(mnuClose, &QAction::triggered, this, &QWidget::close);
}

void ChartWindow::AddChart(QChart* chart, const QString& tabTitle) {
    QChartView* view = MakeChartView(chart, QString(tabTitle).remove(QLatin1Char('&')), this);
    Tabs->insertTab(static_cast<int>(charts_.size()), view, tabTitle);
    Tabs->setCurrentIndex(0);
    charts_.append(view);
}

void ChartWindow::SetNumbers(const QStringList& headers, const std::vector<QStringList>& rows,
                             int firstAmountColumn) {
    FillNumbers(Numbers, headers, rows, firstAmountColumn);
}

QChartView* ChartWindow::ShownChart() const {
    auto* shown = qobject_cast<QChartView*>(Tabs->currentWidget());
    return shown ? shown : charts_.value(0);
}

void ChartWindow::Print() {
    if (!PrinterInstalled()) {
        PrintPreview();
        return;
    }
    WaitCursor wait;
    const Status s = PrintChartsOnDefaultPrinter(charts_, windowTitle());
    if (!s.ok()) state_.env.dialogs.Show(PrintFailedMessage("chart", s));
}

void ChartWindow::PrintPreview() {
    PreviewCharts(
        charts_, [this] { Print(); }, [this] { SaveAsPdf(); }, this);
}

void ChartWindow::Save(const QString& suffix, const std::string& filter, const std::function<QByteArray()>& bytes) {
    const std::optional<QString> path = ChooseSaveFile(state_.env.dialogs, windowTitle().toStdString(),
                                                       HomeFile((fileStem_ + suffix).toStdString()), filter);
    if (!path) return;
    WaitCursor wait;
    ReportIfFailed(state_.env.dialogs, SaveWholeFile(state_.env.files, *path, bytes()));
}

void ChartWindow::SaveAsPdf() {
    Save(QStringLiteral(".pdf"), "PDF files (*.pdf)", [this] { return ChartsPdf(charts_, windowTitle()); });
}

void ChartWindow::SaveAsPng() {
    QChartView* chart = ShownChart();
    if (chart) Save(QStringLiteral(".png"), "PNG images (*.png)", [chart] { return ChartPng(chart); });
}

}  // namespace tessamo
