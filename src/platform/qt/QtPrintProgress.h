#pragma once
// QtPrintProgress: the progress of a long print job in a progress box with a
// Cancel button over the window that prints. The box appears only when the
// job runs for more than a moment.
#include <QProgressDialog>

#include "platform/Printer.h"

namespace tessamo {

class QtPrintProgress : public PrintProgress {
public:
    QtPrintProgress(QWidget* parent, const QString& text);
    bool PageDone(int pagesDone, int pages) override;

private:
    QProgressDialog box_;
};

}  // namespace tessamo
