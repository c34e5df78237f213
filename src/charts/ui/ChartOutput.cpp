#include "charts/ui/ChartOutput.h"

#include <QBuffer>
#include <QChartView>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include "platform/qt/QtPrinter.h"

#include "widgets/PageOutput.h"
#include "widgets/PagePreview.h"

namespace tessamo {

void PaintChartPages(QPagedPaintDevice& device, const ChartPages& charts) {
    QPainter painter(&device);
    const QRect page = painter.viewport();
    for (qsizetype i = 0; i < charts.size(); ++i) {
        if (i > 0) device.newPage();
        // Fitted to the page's width, in the chart's own proportions.
        const QSize size = charts[i]->size().scaled(page.size(), Qt::KeepAspectRatio);
        charts[i]->render(&painter, QRectF(QPointF(page.left(), page.top()), size));
    }
}

Status PrintChartsOnDefaultPrinter(const ChartPages& charts, const QString& documentName) {
    QPrinter printer(QPrinter::HighResolution);
    const QString name = QPrinterInfo::defaultPrinterName();
    printer.setPrinterName(name);
    printer.setDocName(documentName);
    printer.setPageLayout(ReportPageLayout());
    PaintChartPages(printer, charts);
    if (printer.printerState() == QPrinter::Error)
        return Status::IOError(name.toStdString(), "the printer refused the job");
    return Status::Ok();
}

void PreviewCharts(const ChartPages& charts, const std::function<void()>& print, const std::function<void()>& savePdf,
                   QWidget* parent) {
    PagePreview preview([charts](QPrinter& printer) { PaintChartPages(printer, charts); }, parent);
    QObject::connect(&preview, &PagePreview::SaveAsPdfRequested, parent, savePdf);
    QObject::connect(&preview, &PagePreview::PrintRequested, &preview, [&] {
        preview.accept();
        print();
    });
    preview.exec();
}

QByteArray ChartsPdf(const ChartPages& charts, const QString& title) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        SetUpReportPdf(writer);
        writer.setTitle(title);
        PaintChartPages(writer, charts);
    }
    buffer.close();
    return pdf;
}

QByteArray ChartPng(QChartView* chart) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    chart->grab().save(&buffer, "PNG");
    return png;
}

}  // namespace tessamo
