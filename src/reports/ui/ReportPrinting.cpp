#include "reports/ui/ReportPrinting.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/PosixFileSystem.h"
#include "platform/qt/QtPrinter.h"

namespace tessamo {
namespace {

PrintResult PrintOn(QPrinter& printer, const QString& name, const QString& text, PrintProgress& progress) {
    printer.setPageLayout(ReportPageLayout());
    QtPrinter out(printer, &printer, name);
    return NewPrintReport(out, text.toStdString(), progress);
}

}  // namespace

bool PrinterInstalled() { return !QPrinterInfo::defaultPrinter().isNull(); }

PrintResult PrintOnDefaultPrinter(const QString& text, PrintProgress& progress) {
    QPrinter printer(QPrinter::HighResolution);
    const QString name = QPrinterInfo::defaultPrinterName();
    printer.setPrinterName(name);
    printer.setDocName(QStringLiteral("Cashflow report"));
    return PrintOn(printer, name, text, progress);
}

PrintResult PaintReportPages(QPrinter& printer, const QString& text, PrintProgress& progress) {
    return PrintOn(printer, QStringLiteral("Print preview"), text, progress);
}

void SetUpReportPdf(QPdfWriter& writer) {
    writer.setResolution(QPrinter(QPrinter::HighResolution).resolution());
    writer.setPageLayout(ReportPageLayout());
    writer.setTitle(QStringLiteral("Cashflow report"));
    writer.setCreator(QStringLiteral("Tessamo"));
}

PrintResult ReportPdf(const QString& text, PrintProgress& progress, QByteArray& pdf) {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    SetUpReportPdf(writer);
    QtPrinter out(writer, nullptr, QStringLiteral("PDF"));
    PrintResult result = NewPrintReport(out, text.toStdString(), progress);
    buffer.close();
    return result;
}

Status SaveWholeFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    PosixFileSystem folder(target.absolutePath().toStdString());
    return folder.ReplaceWhole(target.fileName().toStdString(), "tempout.$$$",
                               std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace tessamo
