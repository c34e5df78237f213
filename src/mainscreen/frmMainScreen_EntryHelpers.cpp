// "Duplicate Line" (Ctrl+D), beyond the system's own commands, after the Edit
// menu's entries: the entry editor opens as a new line with the item list's
// current line's category, amount and note and today's date. Switched off in
// the helpers' settings, the command does nothing.
#include <QAction>
#include <QMenu>
#include <QTableView>

#include "mainscreen/EntryEditorPanel.h"
#include "mainscreen/ItemListModel.h"
#include "mainscreen/frmMainScreen.h"
#include "platform/DataFolder.h"
#include "quickentry/EntryHelperSettings.h"

namespace tessamo {

void frmMainScreen::connectDuplicateLine() {
    mnuDuplicateLine =
        addOwnMenuEntry(mnuEdit, "mnuDuplicateLine", "&Duplicate Line", &frmMainScreen::mnuDuplicateLine_Click);
    mnuDuplicateLine->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
}

void frmMainScreen::mnuDuplicateLine_Click() {
    EntryHelperSettings helpers;
    (void)ReadEntryHelperSettings(*state_.env.files.OtherFolder(UserConfigFolder()), helpers);
    const QModelIndex current = ItemList->currentIndex();
    // Only from the item list, as Insert and Enter there: not while a panel holds the lists.
    if (!helpers.duplicateLine || !ItemList->isEnabled() || !current.isValid()) return;
    entryEditor_->DuplicateLine(itemModel_->Record(current.row()));
}

}  // namespace tessamo
