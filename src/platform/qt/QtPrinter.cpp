#include "platform/qt/QtPrinter.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QPrinterInfo>

namespace tessamo {
namespace {

constexpr double kMarginInches = 0.75;

}  // namespace

QPageLayout ReportPageLayout() {
    QPageSize size = QPrinterInfo::defaultPrinter().defaultPageSize();
    if (!size.isValid())
        size = QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                            : QPageSize::A4);
    const double margin = kMarginInches * 72.0;
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(margin, margin, margin, margin), QPageLayout::Point);
}

QFont PrinterFont(const PrintFont& font) {
    QFont f(QString::fromStdString(font.family), font.points);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

QtPrinter::QtPrinter(QPagedPaintDevice& device, QPrinter* printer, QString name)
    : device_(device), printer_(printer), name_(std::move(name)) {}

QtPrinter::~QtPrinter() {
    if (painter_.isActive()) painter_.end();
}

Status QtPrinter::Failure(const QString& reason) const {
    return Status::IOError(name_.toStdString(), reason.toStdString());
}

Status QtPrinter::Start(const PrintFont& font) {
    if (!painter_.begin(&device_)) return Failure(QStringLiteral("the printer cannot start a print job"));
    painter_.setFont(PrinterFont(font));
    const QFontMetrics metrics(painter_.font(), &device_);
    lineHeight_ = std::max(1, metrics.lineSpacing());
    ascent_ = metrics.ascent();
    // The device's size is its printable area, inside the margins.
    linesPerPage_ = std::max(1, device_.height() / lineHeight_);
    columnsPerLine_ = std::max(1, device_.width() / std::max(1, metrics.horizontalAdvance(QLatin1Char('M'))));
    line_ = 0;
    return {};
}

void QtPrinter::PrintLine(const std::string& line) {
    painter_.drawText(QPoint(0, line_ * lineHeight_ + ascent_), QString::fromStdString(line));
    ++line_;
}

void QtPrinter::EndPage() {
    device_.newPage();
    line_ = 0;
}

Status QtPrinter::End() {
    const bool ended = painter_.end();
    if (!ended || (printer_ && printer_->printerState() == QPrinter::Error))
        return Failure(QStringLiteral("the printer reported an error; the report may not have been printed"));
    return {};
}

void QtPrinter::Abort() {
    if (printer_) printer_->abort();
    if (painter_.isActive()) painter_.end();
}

}  // namespace tessamo
