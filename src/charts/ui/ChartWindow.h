#pragma once
// ChartWindow: what the chart windows share (the report's chart, the years
// side by side): a tab per chart and a last tab "Numbers" with the same
// numbers as a table for reading and for screen readers; a "&File" menu with
// Print…, Print Preview…, Save as PDF…, Save as PNG… and Close. Print goes to
// the default printer, or to the preview when there is none, as the report
// does; the PDF holds each chart on a page of the report's page layout; the
// PNG is the chart of the tab shown (the first chart from the Numbers tab).
#include <QMainWindow>
#include <functional>
#include <optional>

#include "charts/ui/ChartOutput.h"
#include "core/SharedState.h"

class QAction;
class QChart;
class QChartView;
class QTabWidget;
class QTableWidget;

namespace tessamo {

class ChartWindow : public QMainWindow {
    Q_OBJECT
public:
    // `fileStem` starts the suggested file names ("1999 chart").
    ChartWindow(const SharedState& state, const QString& title, const QString& fileStem);

    void Print();
    void PrintPreview();
    void SaveAsPdf();
    void SaveAsPng();

    ChartPages Charts() const { return charts_; }

    QTabWidget* Tabs = nullptr;
    QTableWidget* Numbers = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintPreview = nullptr;
    QAction* mnuSavePdf = nullptr;
    QAction* mnuSavePng = nullptr;
    QAction* mnuClose = nullptr;

protected:
    // Adds a chart's tab before the Numbers tab.
    void AddChart(QChart* chart, const QString& tabTitle);
    void SetNumbers(const QStringList& headers, const std::vector<QStringList>& rows, int firstAmountColumn);

    const SharedState& state_;

private:
    void createMenu();
    void Save(const QString& suffix, const std::string& filter, const std::function<QByteArray()>& bytes);
    QChartView* ShownChart() const;

    QString fileStem_;
    ChartPages charts_;
};

}  // namespace tessamo
