#pragma once
// EntryHelpers: what the entry editor offers beyond the system, each switched
// on or off in the helpers' settings file (EntryHelperSettings):
//  - note completion: typing in NoteEditor pops up the notes used before in
//    this and the previous year, most used and most recent first (Up/Down
//    choose, Tab or Enter take one, Escape closes); taking one also fills in
//    that note's last category and amount where nothing was typed or chosen;
//  - a suggested category: with a note typed and no category chosen, the
//    category most used with the note (or an import rule's) is made current
//    in SmCatList and named under the note; choosing it stays the user's
//    step, so the Save buttons are enabled as the system enables them;
//  - amount arithmetic: an amount beginning with "=" shows its result (or why
//    it is refused) beside the amount box before saving.
// The decisions are the logic's (NoteCompletion, CategorySuggestion,
// AmountExpression); this class wires them to the editor's controls.
#include <QObject>
#include <optional>

#include "core/SharedState.h"
#include "import/ImportRules.h"
#include "quickentry/EntryHelperSettings.h"
#include "quickentry/NoteCompletion.h"

class QCompleter;
class QLabel;
class QLineEdit;
class QStandardItemModel;
class QTableView;

namespace tessamo {

class CategoryListModel;

struct EntryEditorControls {
    QLineEdit* note = nullptr;
    QLineEdit* amount = nullptr;
    QTableView* categories = nullptr;
    CategoryListModel* categoryModel = nullptr;
    QLabel* chosenCode = nullptr;  // empty while no category is chosen
    QLabel* amountResult = nullptr;
    QLabel* suggestion = nullptr;
};

class EntryHelpers : public QObject {
    Q_OBJECT
public:
    EntryHelpers(SharedState& state, const EntryEditorControls& controls, QObject* parent);

    // The editor opened: the settings are read again and, for note
    // completion, the notes of this and the previous year gathered.
    void EditorOpened();
    bool AmountArithmetic() const { return settings_.amountArithmetic; }
    bool DuplicateLine() const { return settings_.duplicateLine; }

protected:
    // Tab in the list of notes takes the chosen one, as Enter does; Escape
    // closes it and leaves the editor open.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A completion was taken: choose this category as a double-click would.
    void categoryTaken(int row);

private:
    void Note_Edited(const QString& text);
    void Completion_Taken(const QModelIndex& index);
    void Amount_Changed(const QString& text);
    void SuggestCategory();
    int CategoryRow(const std::string& code) const;

    SharedState& state_;
    EntryEditorControls c_;
    EntryHelperSettings settings_;
    NoteCompletion history_;
    ImportRules rules_;
    QStandardItemModel* offered_ = nullptr;
    QCompleter* completer_ = nullptr;
};

}  // namespace tessamo
