#pragma once
// ReportPreview: the printed pages of the report on screen, page by page,
// with zoom, and the outputs the machine offers: "Save as PDF…" always,
// "Print" when a printer is installed. It shows what paper would get.
#include <QDialog>

class QPrintPreviewWidget;
class QPrinter;

namespace tessamo {

class ReportPreview : public QDialog {
    Q_OBJECT
public:
    ReportPreview(const QString& text, QWidget* parent);
    ~ReportPreview() override;

    QPrintPreviewWidget* Pages() const { return pages_; }

signals:
    void SaveAsPdfRequested();
    void PrintRequested();

private:
    void addTools();

    QString text_;
    QPrinter* printer_;
    QPrintPreviewWidget* pages_;
};

}  // namespace tessamo
