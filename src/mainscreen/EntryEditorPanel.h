#pragma once
// EntryEditorPanel: the entry editor of the main window (EntryEdFrame). It
// adds a new line, or opens a listed line to change or delete it. Building the
// line and changing the file is the logic's work (TypedEntry, LineDeletion); a
// refused entry keeps the editor open with what was typed, so it can be
// corrected.
//
// Closed, the panel is hidden and disabled and none of its command buttons is
// usable. While it is open the main window keeps its lists locked (opened()
// until closed()); lineWritten() says the ledger changed under the item list.
#include <QFrame>
#include <string>

#include "core/Records.h"
#include "core/SharedState.h"
#include "core/TypedEntry.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tessamo {

class CategoryListModel;
class EntryHelpers;

class EntryEditorPanel : public QFrame {
    Q_OBJECT
public:
    EntryEditorPanel(SharedState& state, QWidget* area);

    // Opens the editor on a new line: today's date, the current category
    // chosen when one is.
    void InitEntryEd();
    // Opens the editor on a listed line, exactly as stored, so Replace and
    // Delete find it.
    void OpenLine(const LedgerRecord& line);
    void CloseEntryEd();
    // Beyond the system: opens the editor on a new line with `line`'s
    // category, amount and note and today's date ("Duplicate Line").
    void DuplicateLine(const LedgerRecord& line);
    // Fills the small category grid from the active year's category file.
    void PopSmCatList();
    // The active year shown beside the date box.
    void ShowActiveYear(const std::string& year);

    void Today_Click();
    void SmCatList_DblClick();
    void SaveNewIncome_Click();
    void SaveNewExpense_Click();
    void ReplaceRec_Click();
    void KillRec_Click();
    void CancelEdit_Click();

    CategoryListModel* SmCatListData() const { return smCatModel_; }

signals:
    void opened();
    void lineWritten();
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createCategoryChoice();
    QWidget* createEntryFields();
    QWidget* createEntryButtons();
    void connectButtons();
    TypedEntry TypedFields() const;
    void ShowEntryFrame();
    std::string SmCatListLabel(const std::string& code) const;
    void SaveTypedLine(bool expense);
    void FinishTypedLine(const TypedEntry& typed, EntryOutcome outcome);

    void createHelpers();
    void ChooseCategory(const CategoryRecord& category);

    SharedState& state_;
    CategoryListModel* smCatModel_ = nullptr;
    EntryHelpers* helpers_ = nullptr;
    QLabel* AmountResult = nullptr;    // an expression's result, beside the amount
    QLabel* CatSuggestion = nullptr;   // the suggested category, under the note
    QLabel* DateLabel = nullptr;
    QLineEdit* DateEditor = nullptr;
    QLabel* SmYr = nullptr;
    QPushButton* Today = nullptr;
    QLabel* AmountLabel = nullptr;
    QLineEdit* AmountEditor = nullptr;
    QLabel* NoteLabel = nullptr;
    QLineEdit* NoteEditor = nullptr;
    QLabel* CName = nullptr;
    QLabel* CatCodeLabel = nullptr;
    QLabel* CatNameLabel = nullptr;
    QTableView* SmCatList = nullptr;
    QLabel* SmCatListHint = nullptr;  // how to choose, or that there is nothing to choose
    QPushButton* SaveNewIncome = nullptr;
    QPushButton* SaveNewExpense = nullptr;
    QPushButton* ReplaceRec = nullptr;
    QPushButton* KillRec = nullptr;
    QPushButton* CancelEdit = nullptr;
};

}  // namespace tessamo
