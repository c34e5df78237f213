// Undo and redo, beyond the system's own commands, after the Edit menu's
// entries: "Undo <what>" (Ctrl+Z) and "Redo <what>" (Ctrl+Y) name the change
// they would turn and are disabled with nothing to turn; "History…" opens the
// list of changes, from which the user undoes back to a chosen one. Undo and
// redo ask nothing; after them the files are read anew as after any change
// (settings, categories, the listed lines), and a change of a year other than
// the active one is told.
//
// While the focus is in an editable text field, Ctrl+Z and Ctrl+Y are the
// field's own (its typing undo), as Ctrl+Z is in every Qt program; the menu
// entries still undo the data.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSpinBox>
#include <QTableView>
#include <QTextEdit>
#include <algorithm>

#include "core/FixedText.h"
#include "core/ItemListSummary.h"
#include "core/Settings.h"
#include "journal/ui/HistoryWindow.h"
#include "mainscreen/frmMainScreen.h"
#include "widgets/CategoryListModel.h"
#include "widgets/OwnedWindow.h"
#include "widgets/WaitCursor.h"

namespace tessamo {
namespace {

const QKeySequence kUndoKey(Qt::CTRL | Qt::Key_Z);
const QKeySequence kRedoKey(Qt::CTRL | Qt::Key_Y);

bool EditableText(const QObject* object) {
    if (auto* line = qobject_cast<const QLineEdit*>(object)) return !line->isReadOnly();
    if (auto* text = qobject_cast<const QTextEdit*>(object)) return !text->isReadOnly();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(object)) return !plain->isReadOnly();
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(object)) return !spin->isReadOnly();
    return false;
}

// Leaves Ctrl+Z and Ctrl+Y to the text field that has the focus: the
// shortcut is overridden, and the key goes to the field.
class TextFieldKeys : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride || !EditableText(watched))
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        if (pressed != kUndoKey && pressed != kRedoKey) return QObject::eventFilter(watched, event);
        key->accept();
        return true;
    }
};

QString MenuText(const char* verb, const std::vector<HistoryEntry>& changes) {
    QString text = QString::fromLatin1(verb);
    if (!changes.empty()) text += QLatin1Char(' ') + QString::fromStdString(changes.front().description).replace(QLatin1Char('&'), QStringLiteral("&&"));
    return text;
}

HistoryWindow* OpenHistoryWindow(QWidget* owner) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<HistoryWindow*>(widget); window && OwnerOfOpenWindow(window) == owner)
            return window;
    return nullptr;
}

// What was turned, one change a line, when it changed a year other than the active one.
std::string OtherYearText(const TurnResult& result, bool back, const std::string& activeYear) {
    bool other = false;
    for (const std::string& year : result.years) other = other || year != activeYear;
    if (!other) return {};
    std::string text;
    for (const HistoryEntry& entry : result.turned)
        text += (back ? "Undid " : "Redid ") + entry.description + (entry.years.empty() ? "" : " (" + entry.years + ")") + "\r\n";
    return text + "The active year is " + activeYear + ".";
}

}  // namespace

void frmMainScreen::connectUndo() {
    mnuEdit->addSeparator();
    mnuUndo = addOwnMenuEntry(mnuEdit, "mnuUndo", "&Undo", &frmMainScreen::mnuUndo_Click);
    mnuUndo->setShortcut(kUndoKey);
    mnuRedo = addOwnMenuEntry(mnuEdit, "mnuRedo", "&Redo", &frmMainScreen::mnuRedo_Click);
    mnuRedo->setShortcut(kRedoKey);
    mnuHistory = addOwnMenuEntry(mnuEdit, "mnuHistory", "&History\u2026", &frmMainScreen::mnuHistory_Click);
    qApp->installEventFilter(new TextFieldKeys(this));
    journaled_ = dynamic_cast<JournaledFileSystem*>(&state_.env.files);
    mnuHistory->setEnabled(journaled_ != nullptr);
    if (journaled_) {
        (void)ReadHistory(journaled_->journal(), changes_);  // a damaged journal was told at start
        QPointer<frmMainScreen> self(this);
        journaled_->committed = [self](const JournalTransaction& tx) {
            if (!self) return;
            NoteCommitted(self->changes_, tx);
            self->ShowUndoCaptions();
        };
    }
    ShowUndoCaptions();
}

void frmMainScreen::ShowUndoCaptions() {
    mnuUndo->setText(MenuText("&Undo", changes_.done));
    mnuUndo->setEnabled(!changes_.done.empty());
    mnuRedo->setText(MenuText("&Redo", changes_.undone));
    mnuRedo->setEnabled(!changes_.undone.empty());
    if (HistoryWindow* window = OpenHistoryWindow(this)) window->ShowChanges(changes_.done);
}

void frmMainScreen::mnuUndo_Click() { TurnChanges(true, 1); }

void frmMainScreen::mnuRedo_Click() { TurnChanges(false, 1); }

void frmMainScreen::mnuHistory_Click() {
    if (!journaled_ || RaiseOpenWindow<HistoryWindow>(this)) return;
    // Older history the journal has dropped since is no longer offered.
    (void)ReadHistory(journaled_->journal(), changes_);
    auto* window = new HistoryWindow;
    window->ShowChanges(changes_.done);
    connect(window, &HistoryWindow::undoRequested, this,
            [this](int count) { TurnChanges(true, static_cast<std::size_t>(count)); });
    OpenOwnedWindow(this, window, OwnerWhileOpen::Enabled);
}

void frmMainScreen::TurnChanges(bool back, std::size_t count) {
    if (!journaled_) return;
    Dialogs& dialogs = state_.env.dialogs;
    // An open entry editor or year selector holds lines and year as they were read.
    if (!ItemList->isEnabled()) {
        dialogs.Show({"Close the panel open in the main window first, then try again.", kProgramTitle,
                      MessageIcon::Exclamation});
        return;
    }
    TurnResult result;
    {
        WaitCursor wait;
        result = back ? UndoChanges(*journaled_, count) : RedoChanges(*journaled_, count);
    }
    if (result.outcome != TurnOutcome::Turned) {
        dialogs.Show({result.message, kProgramTitle, MessageIcon::Exclamation});
        (void)ReadHistory(journaled_->journal(), changes_);
        ShowUndoCaptions();
        return;
    }
    ReadAgainAfterTurn();
    if (const std::string told = OtherYearText(result, back, TrimBlanks(state_.CurYear)); !told.empty())
        dialogs.Show({told, kProgramTitle, MessageIcon::Information});
}

void frmMainScreen::ReadAgainAfterTurn() {
    if (SettingsRecord settings; ReadSettings(state_.env.files, state_.env.clock, settings).ok())
        state_.ApplySettings(settings);
    PopCatList();
    const std::vector<CategoryRecord>& categories = catModel_->Records();
    const bool listed = std::any_of(categories.begin(), categories.end(),
                                    [this](const CategoryRecord& c) { return c.Code == state_.CurrentCategory; });
    if (!listed) state_.CurrentCategory = kAllCategories;
    PopItemList(state_.CurrentCategory);
}

}  // namespace tessamo
