#include "widgets/PagePreview.h"

#include <QAction>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

#include "widgets/PageOutput.h"

namespace tessamo {

PagePreview::PagePreview(PaintPages paint, QWidget* parent)
    : QDialog(parent), paint_(std::move(paint)), printer_(new QPrinter(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));
    setAccessibleName(windowTitle());
    pages_ = new QPrintPreviewWidget(printer_, this);
    pages_->setObjectName(QStringLiteral("PreviewPages"));
    pages_->setAccessibleName(QStringLiteral("Printed pages"));
    connect(pages_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) { paint_(*printer); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    addTools();
    layout->addWidget(pages_);
    if (parent) resize(parent->size());
}

PagePreview::~PagePreview() {
    delete pages_;  // before the printer it paints on
    delete printer_;
}

void PagePreview::addTools() {
    auto* tools = new QToolBar(QStringLiteral("Preview"), this);
    tools->setObjectName(QStringLiteral("PreviewTools"));
    tools->setAccessibleName(QStringLiteral("Preview"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto add = [&](const char* name, const QString& caption, const QKeySequence& keys, auto slot) {
        QAction* action = tools->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add("PreviewSavePdf", QStringLiteral("Save as PDF…"), QKeySequence(Qt::CTRL | Qt::Key_S),
        [this] { emit SaveAsPdfRequested(); });
    if (PrinterInstalled())
        add("PreviewPrint", QStringLiteral("Print"), QKeySequence::Print, [this] { emit PrintRequested(); });
    tools->addSeparator();
    add("PreviewPrevious", QStringLiteral("Previous page"), QKeySequence(Qt::Key_PageUp),
        [this] { pages_->setCurrentPage(pages_->currentPage() - 1); });
    add("PreviewNext", QStringLiteral("Next page"), QKeySequence(Qt::Key_PageDown),
        [this] { pages_->setCurrentPage(pages_->currentPage() + 1); });
    add("PreviewZoomIn", QStringLiteral("Zoom in"), QKeySequence::ZoomIn, [this] { pages_->zoomIn(); });
    add("PreviewZoomOut", QStringLiteral("Zoom out"), QKeySequence::ZoomOut, [this] { pages_->zoomOut(); });
    add("PreviewFitWidth", QStringLiteral("Fit width"), QKeySequence(), [this] { pages_->fitToWidth(); });
    tools->addSeparator();
    add("PreviewClose", QStringLiteral("Close"), QKeySequence(), [this] { reject(); });
    layout()->addWidget(tools);
}

}  // namespace tessamo
