// Due entries, beyond the system's own commands: "Due entries…" after the
// Macros menu's entries lists what comes due within the next 30 days, and
// the start shows what has come due (when that helper is on). Entering
// rebuilds the lists.
#include <QAction>
#include <QMenu>

#include "due/ui/DueEntriesWindow.h"
#include "mainscreen/frmMainScreen.h"
#include "platform/DataFolder.h"
#include "quickentry/EntryHelperSettings.h"
#include "widgets/OwnedWindow.h"

namespace tessamo {
namespace {

constexpr int kLookAheadDays = 30;

}  // namespace

void frmMainScreen::connectDueEntries() {
    mnuDueEntries =
        addOwnMenuEntry(mnuMacros, "mnuDueEntries", "Due entries\u2026", &frmMainScreen::mnuDueEntries_Click);
}

void frmMainScreen::mnuDueEntries_Click() {
    const CalendarDate today = state_.env.clock.Today();
    const CalendarDate through = DateOfDayNumber(DayNumber(today) + kLookAheadDays);
    if (!OpenDueEntries(through))
        state_.env.dialogs.Show(Message{"Nothing comes due through " + FullDateInStyle(through, state_.DateStyle) + ".",
                                        "Due entries",
                                        MessageIcon::Information});
}

void frmMainScreen::ShowDueEntriesAtStart() {
    EntryHelperSettings helpers;
    // An unreadable settings file leaves every helper on.
    (void)ReadEntryHelperSettings(*state_.env.files.OtherFolder(UserConfigFolder()), helpers);
    if (helpers.dueEntriesAtStart) OpenDueEntries(state_.env.clock.Today());
}

bool frmMainScreen::OpenDueEntries(const CalendarDate& through) {
    if (RaiseOpenWindow<DueEntriesWindow>(this)) return true;
    auto* window = new DueEntriesWindow(state_);
    if (!window->OpenDue(through) || window->EntryCount() == 0) {
        delete window;
        return false;
    }
    connect(window, &DueEntriesWindow::Entered, this, [this] {
        PopCatList();
        PopItemList(state_.CurrentCategory);
    });
    OpenOwnedWindow(this, window);
    return true;
}

}  // namespace tessamo
