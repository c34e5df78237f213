#pragma once
// The outputs of a chart window: each chart on a page of its own, on the
// default printer, in a print preview, or in a PDF laid out as the printed
// report is (the same page layout and resolution); and one chart as a PNG
// image (files are written with SaveWholeFile, as the report's PDF is).
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

#include "platform/Status.h"

class QChartView;
class QPagedPaintDevice;
class QWidget;

namespace tessamo {

using ChartPages = QList<QChartView*>;

// Paints the charts on the device, one a page, each fitted to the page.
void PaintChartPages(QPagedPaintDevice& device, const ChartPages& charts);

// The charts on the default printer; a failure names the printer and the reason.
Status PrintChartsOnDefaultPrinter(const ChartPages& charts, const QString& documentName);

// Shows the pages as they would print, with Print when a printer is
// installed; `print` and `savePdf` are what its buttons do.
void PreviewCharts(const ChartPages& charts, const std::function<void()>& print, const std::function<void()>& savePdf,
                   QWidget* parent);

QByteArray ChartsPdf(const ChartPages& charts, const QString& title);
QByteArray ChartPng(QChartView* chart);

}  // namespace tessamo
