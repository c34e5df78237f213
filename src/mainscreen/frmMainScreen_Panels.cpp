// The panels of frmMainScreen, made in the ledger area over the lists and
// wired to them: what a panel reports (a line written, categories changed, a
// year chosen, lines played) rebuilds the lists; while a centred panel is
// open the lists wait.
#include <QAction>
#include <QLabel>
#include <QTableView>
#include <QToolBar>

#include "core/ListFiles.h"
#include "core/YearSelection.h"
#include "mainscreen/CategoryEditorPanel.h"
#include "mainscreen/EntryEditorPanel.h"
#include "mainscreen/MacroControlsPanel.h"
#include "mainscreen/YearSelectorPanel.h"
#include "mainscreen/frmMainScreen.h"
#include "platform/FileErrors.h"
#include "widgets/CategoryListModel.h"

namespace tessamo {

// Made in this order, which is also the order Tab visits them in.
void frmMainScreen::createPanels() {
    entryEditor_ = new EntryEditorPanel(state_, ledgerArea_);
    categoryEditor_ = new CategoryEditorPanel(state_, ledgerArea_, ItemList);
    yearSelector_ = new YearSelectorPanel(state_, ledgerArea_);
    macroControls_ = new MacroControlsPanel(state_, ledgerArea_);
    connectEntryEditor();
    connectCategoryEditor();
    connectYearSelector();
    connectMacroControls();
}

CategoryListModel* frmMainScreen::SmCatListData() const { return entryEditor_->SmCatListData(); }

void frmMainScreen::AddPanel(QWidget* frame) {
    frame->setParent(ledgerArea_);
    frame->hide();
}

void frmMainScreen::connectEntryEditor() {
    connect(entryEditor_, &EntryEditorPanel::opened, this, [this] {
        CatList->setEnabled(false);
        ItemList->setEnabled(false);
    });
    connect(entryEditor_, &EntryEditorPanel::lineWritten, this, [this] {
        PopItemList(state_.CurrentCategory);
        FocusItemList();
    });
    connect(entryEditor_, &EntryEditorPanel::closed, this, [this] {
        SetListsEnabled(true);
        FocusItemList();
    });
}

void frmMainScreen::connectCategoryEditor() {
    // The keys go back to the item list, where Insert adds a line.
    connect(categoryEditor_, &CategoryEditorPanel::closed, this, &frmMainScreen::FocusItemList);
    connect(categoryEditor_, &CategoryEditorPanel::categoryAdded, this, &frmMainScreen::PopCatList);
    connect(categoryEditor_, &CategoryEditorPanel::categoryReplaced, this, [this] {
        PopCatList();
        PopItemList(state_.CurrentCategory);
    });
    connect(categoryEditor_, &CategoryEditorPanel::categoryDeleted, this, [this] {
        PopCatList();
        PopItemList(kAllCategories);
    });
    connect(mnuNewCategory, &QAction::triggered, categoryEditor_, &CategoryEditorPanel::mnuNewCategory_Click);
    connect(mnuChangeCategory, &QAction::triggered, categoryEditor_, &CategoryEditorPanel::mnuChangeCategory_Click);
    mnuNewCategory->setEnabled(true);
    mnuChangeCategory->setEnabled(true);
}

void frmMainScreen::connectYearSelector() {
    connect(yearSelector_, &YearSelectorPanel::opened, this, [this] { SetListsEnabled(false); });
    connect(yearSelector_, &YearSelectorPanel::closed, this, [this] { SetListsEnabled(true); });
    connect(yearSelector_, &YearSelectorPanel::yearChosen, this, [this](const std::string& year) {
        SetListsEnabled(true);
        PopItemList(kAllCategories);
        PopCatList();
        ItemList->setFocus();
        entryEditor_->ShowActiveYear(year);
        stbYear->setText(QString::fromStdString(ActiveYearPanelText(year)));
    });
    connect(mnuYear, &QAction::triggered, yearSelector_, &YearSelectorPanel::mnuYear_Click);
    mnuYear->setEnabled(true);
}

void frmMainScreen::connectMacroControls() {
    connect(macroControls_, &MacroControlsPanel::closed, this, &frmMainScreen::FocusItemList);
    connect(macroControls_, &MacroControlsPanel::editFile, this, [this](const QString& path) {
        ReportIfFailed(state_.env.dialogs, textEditor_->Open(path.toStdString()));
    });
    connect(macroControls_, &MacroControlsPanel::linesPlayed, this,
            [this] { PopItemList(state_.CurrentCategory); });
    connect(mnuShowMacro, &QAction::triggered, macroControls_, &MacroControlsPanel::mnuShowMacro_Click);
    mnuShowMacro->setEnabled(true);
}

}  // namespace tessamo
