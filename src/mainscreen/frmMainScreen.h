#pragma once
// frmMainScreen: the program's main window, the composition of its parts. It
// carries the menu bar, the toolbar ToolbarTSM, the ledger view (ItemList,
// FullYear, CatList), the two status bars, and the panels that open inside
// the ledger area, each a class of its own that owns its controls and says
// what happened through signals:
//   EntryEditorPanel     the entry editor (EntryEdFrame)
//   CategoryEditorPanel  the category editor (CatEdFrame)
//   YearSelectorPanel    the year selector (YearEdFrame)
//   MacroControlsPanel   the macro controls (MacroFrame)
// The window wires commands to handlers and panels' signals to the lists.
// Start-up is Form_Load; closing the window is Form_Unload.
//
// The window's own files, by topic:
//   frmMainScreen.cpp              construction, menus, toolbar, status bars,
//                                  layout (Form_Resize), start-up, unload
//   frmMainScreen_Panels.cpp       the panels made and wired to the lists
//   frmMainScreen_Lists.cpp        PopCatList, PopItemList, the ItemList,
//                                  CatList and FullYear handlers
//   frmMainScreen_FindOptions.cpp  find a word, notes and the Options menu
//   frmMainScreen_Tools.cpp        calculator, sorter and backup windows
//   frmMainScreen_Help.cpp         the Help menu: contents, About, web pages
//   frmMainScreen_Import.cpp       bank statement import
//   frmMainScreen_Backups.cpp      automatic backups: at closing, their
//                                  settings and the restore window
//   frmMainScreen_Budgets.cpp      the budget window
//   frmMainScreen_DueEntries.cpp   due entries of scheduled macro files
//   frmMainScreen_EntryHelpers.cpp Duplicate Line
//   frmMainScreen_Undo.cpp         undo, redo and the History window
// Decisions live in the logic (src/core); handlers gather input, call one
// routine, show the result and rebuild the lists.
#include <QMainWindow>
#include <memory>
#include <string>

#include "core/SharedState.h"
#include "core/WordSearch.h"
#include "help/ContextIDs.h"
#include "journal/History.h"
#include "platform/Browser.h"
#include "platform/TextEditor.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTableView;
class QToolBar;

namespace tessamo {

class CategoryEditorPanel;
class CategoryListModel;
class CloseBackup;
class EntryEditorPanel;
class MacroControlsPanel;
class YearSelectorPanel;
class QtHelpEngine;
class ItemListModel;

class frmMainScreen : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMainScreen(SharedState& state, QWidget* parent = nullptr);
    ~frmMainScreen() override;

    // Start-up: help set-up, settings and passcode, active year, layout, lists.
    // False when the program must end (three wrong passcodes, a file failure).
    bool Form_Load();

    SharedState& State() { return state_; }
    ContextIDs& Help() { return help_; }

    // The area below the toolbar that holds the lists, status bars and panels.
    QWidget* LedgerArea() const { return ledgerArea_; }
    // Puts a panel frame (category editor, year selector, macro controls) into
    // the ledger area, hidden until its command shows it.
    void AddPanel(QWidget* frame);
    // Centres a panel in the ledger area (as the layout does for EntryEdFrame).
    void CentrePanel(QWidget* frame);

    // The command behind the toolbar button of a key ("tbbNew" ...), or nullptr.
    QAction* ToolbarButton(const QString& key) const;
    // Dispatches a toolbar click on the button's key; an unknown key does nothing.
    void ToolbarTSM_ButtonClick(const QString& key);

    // The two lists (frmMainScreen_Lists.cpp).
    void PopCatList();
    void PopItemList(const std::string& category);
    // The category's description (16 characters) as stored; `name` stays as it
    // was when no category has the code.
    void getlabel(const std::string& code, std::string& name);
    void CatList_Click(const QModelIndex& index);
    void FullYear_Click();
    // Opens the current line in the entry editor; the header row opens nothing.
    void ItemList_DblClick();
    // Deletes the line with the key (after asking) and rebuilds the item list.
    void DeleteRec(const std::string& key);

    // Find and options (frmMainScreen_FindOptions.cpp).
    void mnuFind_Click();
    void mnuNotes_Click();
    void mnuUserName_Click();
    void mnuPassCode_Click();
    void mnuDateFormat_Click();
    void mnuDateConvert_Click();
    void mnuTTO_Click();
    // Where the notes file is edited; the built-in notepad unless replaced.
    void SetTextEditor(std::unique_ptr<TextEditor> editor) { textEditor_ = std::move(editor); }

    // Windows of their own (frmMainScreen_Tools.cpp).
    void mnuTinyCalc_Click();
    void mnuSort_Click();
    void mnuBackup_Click();
    // Beyond the system: bank statement import, the File menu's last entry.
    void mnuImport_Click();
    // Opens the import window on `path`; false when the file could not be read.
    bool OpenImportWindow(const QString& path);
    // Beyond the system: automatic backups (frmMainScreen_Backups.cpp), the
    // restore window after the import in the File menu, their settings last
    // in the Options menu.
    void mnuRestore_Click();
    void mnuAutoBackups_Click();
    // Beyond the system: the budget window (frmMainScreen_Budgets.cpp), after the Edit menu's entries.
    void mnuBudgets_Click();
    // Beyond the system: due entries of the scheduled macro files
    // (frmMainScreen_DueEntries.cpp), after the Macros menu's entries. At
    // start (after the start-up steps) the window shows what has come due.
    void mnuDueEntries_Click();
    // Beyond the system: "Duplicate Line" (Ctrl+D) after the Edit menu's
    // entries (frmMainScreen_EntryHelpers.cpp).
    void mnuDuplicateLine_Click();
    // Beyond the system: "Undo <what>" (Ctrl+Z), "Redo <what>" (Ctrl+Y) and
    // "History…" after the Edit menu's entries (frmMainScreen_Undo.cpp).
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuHistory_Click();
    void ShowDueEntriesAtStart();
    // Opens the Due entries window through `through`; false when nothing is due
    // (or a failure was shown) and no window opened.
    bool OpenDueEntries(const CalendarDate& through);

    // Help menu (frmMainScreen_Help.cpp).
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void mnuWebSite_Click();
    void mnu_KSN_Click();
    // Where web pages open; the system's browser unless replaced.
    void SetBrowser(std::unique_ptr<Browser> browser) { browser_ = std::move(browser); }
    QtHelpEngine* HelpEngine() const { return helpEngine_.get(); }

    // Opens the entry editor on a new line; the toolbar waits meanwhile.
    void mnuNewItem_Click();
    // Opens the report window (once); the main window is disabled while it is open.
    void mnuReports_Click();
    void mnuExit_Click();

    // Commands, each one action made once and put into its menu and, where it
    // has a button, the toolbar (caption = iconText, tip = toolTip); a feature
    // connects its command and enables it.
    QMenu* mnuFile = nullptr;
    QAction* mnuTinyCalc = nullptr;
    QAction* mnuSort = nullptr;
    QAction* mnuYear = nullptr;
    QAction* mnuBackup = nullptr;
    QAction* mnuImport = nullptr;
    QAction* mnuRestore = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuNewItem = nullptr;
    QAction* mnuNewCategory = nullptr;
    QAction* mnuChangeCategory = nullptr;
    QAction* mnuNotes = nullptr;
    QAction* mnuBudgets = nullptr;
    QMenu* mnuSearch = nullptr;
    QAction* mnuFind = nullptr;
    QMenu* mnuMacros = nullptr;
    QAction* mnuShowMacro = nullptr;
    QAction* mnuDueEntries = nullptr;
    QAction* mnuDuplicateLine = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuHistory = nullptr;
    QAction* mnuReports = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuUserName = nullptr;
    QAction* mnuPassCode = nullptr;
    QAction* mnuDateFormat = nullptr;
    QAction* mnuDateConvert = nullptr;
    QAction* mnuTTO = nullptr;
    QAction* mnuAutoBackups = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QAction* mnuWebSite = nullptr;
    QAction* mnu_KSN = nullptr;

    // Controls, named as the window names them.
    QToolBar* ToolbarTSM = nullptr;
    QTableView* ItemList = nullptr;
    QLabel* ItemListHint = nullptr;  // how to begin, over an empty item list
    QTableView* CatList = nullptr;
    QPushButton* FullYear = nullptr;
    QStatusBar* StatusBar0TSM = nullptr;
    QStatusBar* StatusBarTSM = nullptr;
    QLabel* stbIncome = nullptr;
    QLabel* stbExpense = nullptr;
    QLabel* stbBalance = nullptr;
    QLabel* stbDate = nullptr;
    QLabel* stbTotal = nullptr;
    QLabel* stbYear = nullptr;

    ItemListModel* ItemListData() const { return itemModel_; }
    CategoryListModel* CatListData() const { return catModel_; }
    CategoryListModel* SmCatListData() const;

signals:
    // The item list or the category list was filled anew: after every change
    // of data and of year.
    void ListsShown();

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBars();
    void createLists();
    void createPanels();
    void connectEntryEditor();
    void connectCategoryEditor();
    void connectYearSelector();
    void connectMacroControls();
    void connectFindAndOptions();
    void connectTools();
    void connectImport();
    void connectBackups();
    void connectBudgets();
    void connectDueEntries();
    void connectDuplicateLine();
    void connectUndo();
    void connectHelp();
    // Undoes (or redoes) the newest `count` changes, then reads the files anew.
    void TurnChanges(bool back, std::size_t count);
    void ShowUndoCaptions();
    void ReadAgainAfterTurn();
    // An entry of our own after `menu`'s entries, named `name`, calling `handler`.
    QAction* addOwnMenuEntry(QMenu* menu, const char* name, const char* utf8Caption, void (frmMainScreen::*handler)());
    // The automatic backup at closing, on its own thread; the destructor
    // waits for it. Only once the window was loaded (a refused passcode
    // backs nothing up).
    void StartCloseBackup();
    void ShowCloseBackupFailure();
    void SetListsEnabled(bool enabled);
    void FocusItemList();

    // The layout rule; `guards` false at start-up, when the window has its
    // designed size.
    void Form_Resize(bool guards = true);
    void placeStatusBars();
    void sizeToolbarButtons();

    void ShowItemListHint();
    bool ItemList_KeyDown(int key);
    void ItemListDeleteKey();

    SharedState& state_;
    ContextIDs help_;
    QWidget* ledgerArea_ = nullptr;
    ItemListModel* itemModel_ = nullptr;
    CategoryListModel* catModel_ = nullptr;
    EntryEditorPanel* entryEditor_ = nullptr;
    CategoryEditorPanel* categoryEditor_ = nullptr;
    YearSelectorPanel* yearSelector_ = nullptr;
    MacroControlsPanel* macroControls_ = nullptr;
    bool loaded_ = false;
    bool wholeYearListed_ = false;  // the item list holds the active year's every line
    WordSearch wordSearch_;
    std::unique_ptr<TextEditor> textEditor_;
    std::unique_ptr<QtHelpEngine> helpEngine_;
    std::unique_ptr<Browser> browser_;
    JournaledFileSystem* journaled_ = nullptr;  // null when the folder is written without a journal
    ChangeHistory changes_;                     // the journal's history, kept up to date
    std::unique_ptr<CloseBackup> closeBackup_;  // last: the first to go, after the backup
};

}  // namespace tessamo
