#include "reports/ui/ReportPrinting.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qt/QtPrinter.h"
#include "widgets/PageOutput.h"

namespace tessamo {
namespace {

Status PrintOn(QPrinter& printer, const QString& name, const QString& text, PrintProgress& progress) {
    printer.setPageLayout(ReportPageLayout());
    QtPrinter out(printer, &printer, name);
    return NewPrintReport(out, text.toStdString(), progress);
}

}  // namespace

Status PrintOnDefaultPrinter(const QString& text, PrintProgress& progress) {
    QPrinter printer(QPrinter::HighResolution);
    const QString name = QPrinterInfo::defaultPrinterName();
    printer.setPrinterName(name);
    printer.setDocName(QStringLiteral("Cashflow report"));
    return PrintOn(printer, name, text, progress);
}

Status PaintReportPages(QPrinter& printer, const QString& text, PrintProgress& progress) {
    return PrintOn(printer, QStringLiteral("Print preview"), text, progress);
}

Status ReportPdf(const QString& text, PrintProgress& progress, QByteArray& pdf) {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    SetUpReportPdf(writer);
    QtPrinter out(writer, nullptr, QStringLiteral("PDF"));
    Status result = NewPrintReport(out, text.toStdString(), progress);
    buffer.close();
    return result;
}

}  // namespace tessamo
