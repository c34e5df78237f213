// The windows of their own that the File menu and the toolbar open from
// frmMainScreen: the calculator (beside the main window, one at a time), the
// sorter and the backup window (the main window disabled while they are open).
#include <QAction>

#include "calc/ui/TinyCalc.h"
#include "mainscreen/frmMainScreen.h"
#include "tools/ui/frmBackup.h"
#include "tools/ui/frmSorter.h"
#include "widgets/OwnedWindow.h"

namespace tessamo {

void frmMainScreen::connectTools() {
    const std::pair<QAction*, void (frmMainScreen::*)()> handlers[] = {
        {mnuTinyCalc, &frmMainScreen::mnuTinyCalc_Click},
        {mnuSort, &frmMainScreen::mnuSort_Click},
        {mnuBackup, &frmMainScreen::mnuBackup_Click},
    };
    for (const auto& [action, handler] : handlers) {
        connect(action, &QAction::triggered, this, handler);
        action->setEnabled(true);
    }
}

void frmMainScreen::mnuTinyCalc_Click() {
    if (RaiseOpenWindow<TinyCalc>(this)) return;
    auto* calculator = new TinyCalc;
    // Beside the main window, where it leaves the ledger in view.
    calculator->move(frameGeometry().right() + 1, y());
    OpenOwnedWindow(this, calculator, OwnerWhileOpen::Enabled);
}

void frmMainScreen::mnuSort_Click() {
    if (RaiseOpenWindow<frmSorter>(this)) return;
    auto* sorter = new frmSorter(state_);
    // The list shows the new order at once.
    connect(sorter, &frmSorter::Sorted, this, [this] { PopItemList(state_.CurrentCategory); });
    OpenOwnedWindow(this, sorter);
}

void frmMainScreen::mnuBackup_Click() {
    if (!RaiseOpenWindow<frmBackup>(this)) OpenOwnedWindow(this, new frmBackup(state_));
}

}  // namespace tessamo
