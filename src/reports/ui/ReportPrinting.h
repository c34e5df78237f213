#pragma once
// The report's three outputs on Qt: the default printer (no printer dialog),
// the pages of a print preview, and a PDF. All three go through
// NewPrintReport on the same page layout, so a PDF holds what paper would.
#include <QString>
#include <QByteArray>

#include "platform/Printer.h"
#include "reports/NewPrintReport.h"

class QPrinter;

namespace tessamo {

// Prints `text` on the default printer.
Status PrintOnDefaultPrinter(const QString& text, PrintProgress& progress);

// Paints `text` on `printer` (the pages of a print preview).
Status PaintReportPages(QPrinter& printer, const QString& text, PrintProgress& progress);

// The PDF of `text`, built in memory; `pdf` is set when the outcome is Printed.
Status ReportPdf(const QString& text, PrintProgress& progress, QByteArray& pdf);

}  // namespace tessamo
