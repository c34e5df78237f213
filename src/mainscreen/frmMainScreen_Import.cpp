// Bank statement import, beyond the system's own commands: "Import bank
// statement…" after the File menu's entries picks a file and opens the
// import window over it; the lists are rebuilt when lines were entered.
#include <QAction>
#include <QMenu>

#include "import/ui/ImportWindow.h"
#include "mainscreen/frmMainScreen.h"
#include "widgets/OwnedWindow.h"

namespace tessamo {

void frmMainScreen::connectImport() {
    mnuImport = addOwnMenuEntry(mnuFile, "mnuImport", "Import bank statement\u2026", &frmMainScreen::mnuImport_Click);
}

QAction* frmMainScreen::addOwnMenuEntry(QMenu* menu, const char* name, const char* utf8Caption,
                                        void (frmMainScreen::*handler)()) {
    auto* action = new QAction(QString::fromUtf8(utf8Caption), this);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void frmMainScreen::mnuImport_Click() {
    if (RaiseOpenWindow<ImportWindow>(this)) return;
    const std::optional<std::string> path = state_.env.dialogs.ChooseFile(
        {ChooserKind::OpenFile, "Import bank statement", "", "Bank statements (*.csv *.txt *.ofx *.qfx);;All files (*)"});
    if (path) OpenImportWindow(QString::fromStdString(*path));
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
