#pragma once
// QtPrinter: the Printer on a Qt paint device with pages — a QPrinter (the
// default printer, or the pages of a print preview) or a QPdfWriter (a PDF).
// Lines are drawn top to bottom inside the page's margins; a line's height is
// the font's line spacing on that device, a column the width of one of its
// characters (the font is fixed-pitch). Paper, preview and PDF share one
// page layout (ReportPageLayout), so they hold the same pages.
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QString>
#include <memory>

#include "platform/Printer.h"

class QPagedPaintDevice;
class QPrinter;

namespace tessamo {

// The default printer's paper (Letter or A4 by the system's measurement
// units when there is no printer), upright, with margins of three quarters
// of an inch.
QPageLayout ReportPageLayout();

// The font: the family asked for, else a metric-compatible fixed-pitch one
// ("Courier New" resolves to Liberation Mono where fonts-liberation is in).
QFont PrinterFont(const PrintFont& font);

class QtPrinter : public Printer {
public:
    // `printer` may be null for a QPdfWriter; it is the same device then.
    QtPrinter(QPagedPaintDevice& device, QPrinter* printer, QString name);
    ~QtPrinter() override;

    std::string Name() const override { return name_.toStdString(); }
    Status Start(const PrintFont& font) override;
    int LinesPerPage() const override { return linesPerPage_; }
    int ColumnsPerLine() const override { return columnsPerLine_; }
    void PrintLine(const std::string& line) override;
    void EndPage() override;
    Status End() override;
    void Abort() override;

private:
    Status Failure(const QString& reason) const;

    QPagedPaintDevice& device_;
    QPrinter* printer_;
    QString name_;
    QPainter painter_;
    int lineHeight_ = 1;
    int ascent_ = 0;
    int linesPerPage_ = 1;
    int columnsPerLine_ = 1;
    int line_ = 0;
};

}  // namespace tessamo
