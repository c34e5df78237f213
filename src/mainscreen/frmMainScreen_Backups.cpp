// Automatic backups, beyond the system's own commands: one made on its own
// thread when the window closes or File > Exit ends the program, a failure of
// it shown at the next start, "Restore from backup…" after the File menu's
// entries and "Automatic backups…" after the Options menu's.
#include <QAction>
#include <QMenu>

#include "backups/CloseBackup.h"
#include "backups/ui/BackupSettingsDialog.h"
#include "backups/ui/RestoreWindow.h"
#include "mainscreen/frmMainScreen.h"
#include "widgets/OwnedWindow.h"

namespace tessamo {

void frmMainScreen::connectBackups() {
    mnuRestore = addOwnMenuEntry(mnuFile, "mnuRestore", "&Restore from backup\u2026", &frmMainScreen::mnuRestore_Click);
    mnuAutoBackups =
        addOwnMenuEntry(mnuOptions, "mnuAutoBackups", "&Automatic backups\u2026", &frmMainScreen::mnuAutoBackups_Click);
}

void frmMainScreen::StartCloseBackup() {
    if (!loaded_) return;
    if (!closeBackup_) closeBackup_ = std::make_unique<CloseBackup>();
    closeBackup_->Start(state_.env.files, state_.env.clock);
}

void frmMainScreen::ShowCloseBackupFailure() {
    if (const Message failure = TakeCloseBackupFailure(state_.env.files); !failure.text.empty())
        state_.env.dialogs.Show(failure);
}

void frmMainScreen::mnuRestore_Click() {
    if (RaiseOpenWindow<RestoreWindow>(this)) return;
    auto* window = new RestoreWindow(state_);
    if (!window->OpenBackups()) {
        delete window;
        return;
    }
    // The files changed under the lists: they are read anew.
    connect(window, &RestoreWindow::Restored, this, [this] {
        PopCatList();
        PopItemList(state_.CurrentCategory);
    });
    OpenOwnedWindow(this, window);
}

void frmMainScreen::mnuAutoBackups_Click() {
    BackupSettingsDialog dialog(state_, this);
    if (dialog.OpenSettings()) dialog.exec();
}

}  // namespace tessamo
