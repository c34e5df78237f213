#pragma once
// PagePreview: the printed pages of the report (or of its charts) on
// screen, page by page, with zoom, and the outputs the machine offers:
// "Save as PDF…" always, "Print" when a printer is installed. It shows what
// paper would get: the pages come from the same painting as the printer's.
#include <QDialog>
#include <functional>

class QPrintPreviewWidget;
class QPrinter;

namespace tessamo {

class PagePreview : public QDialog {
    Q_OBJECT
public:
    using PaintPages = std::function<void(QPrinter& printer)>;
    PagePreview(PaintPages paint, QWidget* parent);
    ~PagePreview() override;

    QPrintPreviewWidget* Pages() const { return pages_; }

signals:
    void SaveAsPdfRequested();
    void PrintRequested();

private:
    void addTools();

    PaintPages paint_;
    QPrinter* printer_;
    QPrintPreviewWidget* pages_;
};

}  // namespace tessamo
