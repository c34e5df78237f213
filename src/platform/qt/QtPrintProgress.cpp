#include "platform/qt/QtPrintProgress.h"

namespace tessamo {

QtPrintProgress::QtPrintProgress(QWidget* parent, const QString& text)
    : box_(text, QStringLiteral("Cancel"), 0, 1, parent) {
    box_.setObjectName(QStringLiteral("PrintProgress"));
    box_.setAccessibleName(text);
    box_.setWindowModality(Qt::WindowModal);
    box_.setMinimumDuration(500);
    box_.setAutoClose(false);
    box_.setAutoReset(false);
}

bool QtPrintProgress::PageDone(int pagesDone, int pages) {
    box_.setMaximum(pages);
    box_.setValue(pagesDone);  // a modal box takes the pending events here, Cancel among them
    box_.setLabelText(box_.labelText().section(QLatin1Char('\n'), 0, 0) +
                      QStringLiteral("\nPage %1 of %2").arg(pagesDone).arg(pages));
    return !box_.wasCanceled();
}

}  // namespace tessamo
