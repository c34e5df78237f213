#pragma once
// The report's three outputs on Qt: the default printer (no printer dialog),
// the pages of a print preview, and a PDF. All three go through
// NewPrintReport on the same page layout, so a PDF holds what paper would.
#include <QString>
#include <QByteArray>

#include "platform/Printer.h"
#include "reports/NewPrintReport.h"

class QPdfWriter;
class QPrinter;

namespace tessamo {

// True when the system has a default printer to print to.
bool PrinterInstalled();

// Prints `text` on the default printer.
PrintResult PrintOnDefaultPrinter(const QString& text, PrintProgress& progress);

// Paints `text` on `printer` (the pages of a print preview).
PrintResult PaintReportPages(QPrinter& printer, const QString& text, PrintProgress& progress);

// Gives a PDF the printer's page layout and resolution, so that its lines and
// pages fall as on paper.
void SetUpReportPdf(QPdfWriter& writer);

// The PDF of `text`, built in memory; `pdf` is set when the outcome is Printed.
PrintResult ReportPdf(const QString& text, PrintProgress& progress, QByteArray& pdf);

// Writes `bytes` as the file `path`, whole: built beside it under a temp
// name, then renamed over it; a failure names the file and the reason.
Status SaveWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace tessamo
