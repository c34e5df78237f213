// Bank statement import, beyond the system's own commands: "Import bank
// statement…" after the File menu's entries picks a file and opens the
// import window over it; the lists are rebuilt when lines were entered.
#include <QAction>
#include <QFileDialog>
#include <QMenu>

#include "import/ui/ImportWindow.h"
#include "mainscreen/frmMainScreen.h"
#include "widgets/OwnedWindow.h"

namespace tessamo {

void frmMainScreen::connectImport() {
    mnuImport = new QAction(QString::fromUtf8("Import bank statement\u2026"), this);
    mnuImport->setObjectName(QStringLiteral("mnuImport"));
    mnuFile->addAction(mnuImport);
    connect(mnuImport, &QAction::triggered, this, &frmMainScreen::mnuImport_Click);
}

void frmMainScreen::mnuImport_Click() {
    if (RaiseOpenWindow<ImportWindow>(this)) return;
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Import bank statement"), QString(),
                                                      QStringLiteral("Bank statements (*.csv *.txt *.ofx *.qfx);;"
                                                                     "All files (*)"));
    if (!path.isEmpty()) OpenImportWindow(path);
}

bool frmMainScreen::OpenImportWindow(const QString& path) {
    auto* window = new ImportWindow(state_);
    if (!window->OpenStatement(path)) {
        delete window;
        return false;
    }
    connect(window, &ImportWindow::Imported, this, [this] {
        PopCatList();
        PopItemList(state_.CurrentCategory);
    });
    OpenOwnedWindow(this, window);
    return true;
}

}  // namespace tessamo
