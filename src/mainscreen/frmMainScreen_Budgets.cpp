// The budget window, beyond the system's own commands: "Budgets…" after the
// Edit menu's entries opens it beside the main window, which stays usable;
// the window follows every new filling of the main window's lists, and takes the
// year's lines from it when it lists them all.
#include "budgets/ui/BudgetWindow.h"
#include "mainscreen/ItemListModel.h"
#include "mainscreen/frmMainScreen.h"
#include "widgets/OwnedWindow.h"

namespace tessamo {

void frmMainScreen::connectBudgets() {
    mnuBudgets = addOwnMenuEntry(mnuEdit, "mnuBudgets", "&Budgets\u2026", &frmMainScreen::mnuBudgets_Click);
}

void frmMainScreen::mnuBudgets_Click() {
    if (RaiseOpenWindow<BudgetWindow>(this)) return;
    auto* window = new BudgetWindow(state_, [this] { return wholeYearListed_ ? &itemModel_->Lines() : nullptr; });
    connect(this, &frmMainScreen::ListsShown, window, &BudgetWindow::Refresh);
    OpenOwnedWindow(this, window, OwnerWhileOpen::Enabled);
}

}  // namespace tessamo
