// The small commands of frmMainScreen: find a word in the listed notes, edit
// the year's notes file, and the Options menu (user name, passcode, date
// format, date converter, tool tips). Each handler calls one logic routine.
#include <QAction>
#include <QApplication>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include "core/DateConversion.h"
#include "platform/FileErrors.h"
#include "core/Options.h"
#include "mainscreen/ItemListModel.h"
#include "mainscreen/frmMainScreen.h"
#include "platform/qt/QtTextEditor.h"

namespace tessamo {

namespace {

// Swallows tool tip requests: the toolbar buttons fall back to their caption
// when their tip is emptied, and tool tips are off for the rest of the run.
class ToolTipBlocker : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::ToolTip || QObject::eventFilter(watched, event);
    }
};

}  // namespace

void frmMainScreen::connectFindAndOptions() {
    textEditor_ = std::make_unique<QtTextEditor>(this, state_.env.dialogs, state_.env.files);
    const std::pair<QAction*, void (frmMainScreen::*)()> handlers[] = {
        {mnuFind, &frmMainScreen::mnuFind_Click},
        {mnuNotes, &frmMainScreen::mnuNotes_Click},
        {mnuUserName, &frmMainScreen::mnuUserName_Click},
        {mnuPassCode, &frmMainScreen::mnuPassCode_Click},
        {mnuDateFormat, &frmMainScreen::mnuDateFormat_Click},
        {mnuDateConvert, &frmMainScreen::mnuDateConvert_Click},
        {mnuTTO, &frmMainScreen::mnuTTO_Click},
    };
    for (const auto& [action, handler] : handlers) {
        connect(action, &QAction::triggered, this, handler);
        action->setEnabled(true);
    }
}

void frmMainScreen::mnuFind_Click() {
    // Row 0 is the header, as in the grid the search was made for.
    std::vector<std::string> notes{"Note"};
    const int rows = itemModel_->rowCount();
    notes.reserve(static_cast<std::size_t>(rows) + 1);
    for (int r = 0; r < rows; ++r) notes.push_back(itemModel_->Record(r).Note);
    wordSearch_.Run(state_.env.dialogs, notes, [this](std::size_t row) {
        if (row == 0) {
            ItemList->setCurrentIndex(QModelIndex());
            ItemList->scrollToTop();
            return;
        }
        const QModelIndex cell = itemModel_->index(static_cast<int>(row) - 1, ItemListModel::NoteColumn);
        ItemList->setCurrentIndex(cell);
        ItemList->scrollTo(cell);
    });
}

void frmMainScreen::mnuNotes_Click() {
    const std::string path = state_.env.files.PathOf(NotesFileName(state_));
    ReportIfFailed(state_.env.dialogs, textEditor_->Open(path));
}

void frmMainScreen::mnuUserName_Click() { ChangeUserName(state_); }

void frmMainScreen::mnuPassCode_Click() { ChangePassCode(state_); }

void frmMainScreen::mnuDateFormat_Click() { ChangeDateFormat(state_); }

void frmMainScreen::mnuDateConvert_Click() {
    if (!ConfirmDateConversion(state_.env.dialogs)) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Status converted = SwapLedgerDates(state_);
    QApplication::restoreOverrideCursor();
    if (converted.ok()) FullYear_Click();
}

// Once cleared, tool tips stay off until the program is started again.
void frmMainScreen::mnuTTO_Click() {
    if (mnuTTO->isChecked()) return;
    for (QWidget* widget : findChildren<QWidget*>()) widget->setToolTip(QString());
    auto* blocker = new ToolTipBlocker(this);
    for (QAction* button : ToolbarTSM->actions()) {
        button->setToolTip(QString());
        if (QWidget* widget = ToolbarTSM->widgetForAction(button)) widget->installEventFilter(blocker);
    }
    mnuTTO->setEnabled(false);
}

}  // namespace tessamo
