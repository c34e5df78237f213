#include "mainscreen/frmMainScreen.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include "backups/CloseBackup.h"
#include "core/Dates.h"
#include "core/ListFiles.h"
#include "core/LoadSettings.h"
#include "help/ui/QtHelpEngine.h"
#include "mainscreen/FindAllYearsEntry.h"
#include "mainscreen/ReportCompanionWindows.h"
#include "reports/ui/frmReports.h"
#include "mainscreen/EntryEditorPanel.h"
#include "widgets/Grid.h"
#include "widgets/OwnedWindow.h"
#include "widgets/PanelWidgets.h"
#include "widgets/StatusPanels.h"
#include "widgets/Toolbar.h"
#include "widgets/WaitCursor.h"

namespace tessamo {
namespace {

// The layout rule's distances, in pixels for the original's twips (15 a pixel); the
// right-hand room is the toolbar's kToolbarRightGap.
constexpr int kFullYearNudge = 1;     // 15: FullYear sits that far left of CatList
constexpr int kFullYearRise = 22;     // 330: FullYear's top above CatList's top
constexpr int kLowestHeight = 151;    // 2265: below this the list heights stay

QAction* MakeAction(QObject* parent, const char* name, const char* caption, bool enabled) {
    auto* action = new QAction(QString::fromLatin1(caption), parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

}  // namespace

frmMainScreen::frmMainScreen(SharedState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    setObjectName(QStringLiteral("frmMainScreen"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    ledgerArea_ = new QWidget(this);
    ledgerArea_->setObjectName(QStringLiteral("LedgerArea"));
    setCentralWidget(ledgerArea_);
    createActions();
    createMenus();
    createToolBar();
    createLists();
    createStatusBars();
    createPanels();
    connectFindAndOptions();
    connectTools();
    connectImport();
    connectBackups();
    connectBudgets();
    connectDueEntries();
    connectDuplicateLine();
    AddFindAllYears(*this, state_);
    connectUndo();
    connectHelp();
    ledgerArea_->installEventFilter(this);
    resize(900, 600);
}

frmMainScreen::~frmMainScreen() = default;

void frmMainScreen::createActions() {
    mnuTinyCalc = MakeAction(this, "mnuTinyCalc", "Calculator", false);
    mnuSort = MakeAction(this, "mnuSort", "Sort", false);
    mnuYear = MakeAction(this, "mnuYear", "Select Year", false);
    mnuBackup = MakeAction(this, "mnuBackup", "Backup", false);
    mnuExit = MakeAction(this, "mnuExit", "E&xit", true);
    mnuNewItem = MakeAction(this, "mnuNewItem", "New Line Item", true);
    mnuNewCategory = MakeAction(this, "mnuNewCategory", "New Category", false);
    mnuChangeCategory = MakeAction(this, "mnuChangeCategory", "Change Category", false);
    mnuNotes = MakeAction(this, "mnuNotes", "Notes", false);
    mnuFind = MakeAction(this, "mnuFind", "Find a word", false);
    mnuShowMacro = MakeAction(this, "mnuShowMacro", "Show Macro Controls", false);
    mnuShowMacro->setShortcut(QKeySequence(Qt::Key_F3));
    mnuReports = MakeAction(this, "mnuReports", "&Reports", true);
    mnuUserName = MakeAction(this, "mnuUserName", "User Name", false);
    mnuPassCode = MakeAction(this, "mnuPassCode", "Pass Code", false);
    mnuDateFormat = MakeAction(this, "mnuDateFormat", "Date Format", false);
    mnuDateConvert = MakeAction(this, "mnuDateConvert", "Date Coverter", false);
    mnuTTO = MakeAction(this, "mnuTTO", "Tool tips", false);
    mnuTTO->setCheckable(true);
    mnuTTO->setChecked(true);
    mnuHelpContents = MakeAction(this, "mnuHelpContents", "Contents", false);
    mnuHelpAbout = MakeAction(this, "mnuHelpAbout", "About", false);
    mnuWebSite = MakeAction(this, "mnuWebSite", "Visit Velloran's Website", false);
    mnu_KSN = MakeAction(this, "mnu_KSN", "Visit Kestrune's Website", false);

    SetButtonText(mnuHelpContents, "Help", "Click for Help Contents");
    SetButtonText(mnuFind, "Search", "Find a Word");
    SetButtonText(mnuNotes, "Notes", "Click to edit your notes");
    SetButtonText(mnuShowMacro, "Macro", "Macro Functions");
    SetButtonText(mnuReports, "Reports", "Reports");
    SetButtonText(mnuYear, "Year", "Select Year");
    SetButtonText(mnuPassCode, "Passcode", "Set start-up passcode");
    SetButtonText(mnuSort, "Sort", "Sort current year's data file");
    SetButtonText(mnuNewItem, "New", "New Item");

    connect(mnuExit, &QAction::triggered, this, &frmMainScreen::mnuExit_Click);
    connect(mnuNewItem, &QAction::triggered, this, &frmMainScreen::mnuNewItem_Click);
    connect(mnuReports, &QAction::triggered, this, &frmMainScreen::mnuReports_Click);
}

void frmMainScreen::createMenus() {
    menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    auto addMenu = [this](const char* name, const char* caption, std::initializer_list<QAction*> items) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        for (QAction* item : items) {
            if (item)
                menu->addAction(item);
            else
                menu->addSeparator();
        }
        return menu;
    };
    mnuFile = addMenu("mnuFile", "&File", {mnuTinyCalc, mnuSort, mnuYear, mnuBackup, mnuExit});
    mnuEdit = addMenu("mnuEdit", "&Edit", {mnuNewItem, mnuNewCategory, mnuChangeCategory, mnuNotes});
    mnuSearch = addMenu("mnuSearch", "&Search", {mnuFind});
    mnuMacros = addMenu("mnuMacros", "&Macros", {mnuShowMacro});
    menuBar()->addAction(mnuReports);  // a top-level entry that runs its command
    mnuOptions = addMenu("mnuOptions", "&Options",
                         {mnuUserName, mnuPassCode, mnuDateFormat, mnuDateConvert, nullptr, mnuTTO});
    mnuHelp = addMenu("mnuHelp", "&Help", {mnuHelpContents, mnuHelpAbout, mnuWebSite, mnu_KSN});
}

void frmMainScreen::createToolBar() {
    ToolbarTSM = MakeToolbar(this, "ToolbarTSM", QStringLiteral("Toolbar"));

    // Left to right; each button is its command's own action, keyed by the
    // button's name.
    struct Button {
        const char* key;
        QAction* command;
        const char* icon;
    };
    const Button buttons[] = {
        {"tbbHelp", mnuHelpContents, "help"},   {"tbbFind", mnuFind, "find"},
        {"tbbNotes", mnuNotes, "notes"},        {"tbbMacro", mnuShowMacro, "macro"},
        {"tbbReports", mnuReports, "reports"},  {"tbbYear", mnuYear, "year"},
        {"tbbSetup", mnuPassCode, "passcode"},  {"tbbSort", mnuSort, "sort"},
        {"tbbNew", mnuNewItem, "new"},
    };
    for (const Button& b : buttons) AddToolbarButton(ToolbarTSM, b.command, b.key, ProgramIcon(b.icon));
    NameOverflowButton(ToolbarTSM);
}

QAction* frmMainScreen::ToolbarButton(const QString& key) const {
    auto* button = ToolbarTSM->findChild<QToolButton*>(key);
    return button ? button->defaultAction() : nullptr;
}

void frmMainScreen::ToolbarTSM_ButtonClick(const QString& key) {
    if (QAction* action = ToolbarButton(key)) action->trigger();
}

void frmMainScreen::createStatusBars() {
    StatusBar0TSM = MakeStatusBar(ledgerArea_, "StatusBar0TSM", QStringLiteral("Totals"));
    stbIncome = AddStatusPanel(StatusBar0TSM, "stbIncome", QStringLiteral("Income total"), 3);
    stbExpense = AddStatusPanel(StatusBar0TSM, "stbExpense", QStringLiteral("Expense total"), 3);
    stbBalance = AddStatusPanel(StatusBar0TSM, "stbBalance", QStringLiteral("Balance"), 3);
    stbDate = AddStatusPanel(StatusBar0TSM, "stbDate", QStringLiteral("Today's date"), 1);
    FollowDate(stbDate, [this] {
        const CalendarDate today = state_.env.clock.Today();
        return QLocale::system().toString(QDate(today.year, today.month, today.day), QLocale::ShortFormat);
    });
    stbDate->setAlignment(Qt::AlignCenter);

    StatusBarTSM = MakeStatusBar(ledgerArea_, "StatusBarTSM", QStringLiteral("Records and year"));
    stbTotal = AddStatusPanel(StatusBarTSM, "stbTotal", QStringLiteral("Records listed"), 3);
    stbYear = AddStatusPanel(StatusBarTSM, "stbYear", QStringLiteral("Active year"), 1);
}

bool frmMainScreen::Form_Load() {
    help_.InitHelp(reinterpret_cast<std::uintptr_t>(this), kBuiltInHelpFolder);
    if (!LoadSettings(state_).ok()) return false;
    state_.SetActiveYear(TodayYear(state_.env.clock));
    Form_Resize(false);
    PopCatList();
    state_.CurrentCategory = kAllCategories;
    PopItemList(state_.CurrentCategory);
    entryEditor_->ShowActiveYear(state_.CurYear);
    stbYear->setText(QString::fromStdString(ActiveYearStatusText(state_.CurYear)));
    CentrePanel(entryEditor_);
    loaded_ = true;
    ShowCloseBackupFailure();
    return true;
}

void frmMainScreen::closeEvent(QCloseEvent* event) {
    help_.QuitHelp();
    StartCloseBackup();
    event->accept();
}

void frmMainScreen::mnuExit_Click() {
    // Ends the program at once: no file is open between two actions, and the
    // unload step is not run. The automatic backup is made all the same.
    StartCloseBackup();
    hide();
    QCoreApplication::exit(0);
}

void frmMainScreen::mnuReports_Click() {
    if (RaiseOpenWindow<frmReports>(this)) return;
    auto* reports = new frmReports(state_, ReportCompanionWindows());
    {
        WaitCursor wait;
        reports->Form_Load(*this);
    }
    OpenOwnedWindow(this, reports);
}

void frmMainScreen::CentrePanel(QWidget* frame) { CentreInParent(frame); }

void frmMainScreen::placeStatusBars() { StackStatusBarsAtFoot(StatusBar0TSM, StatusBarTSM); }

void frmMainScreen::sizeToolbarButtons() { SpreadToolbarButtons(ToolbarTSM, width()); }

// The ledger area starts below the toolbar, so the item list's top (toolbar
// height in window terms) is 0 here and its height is the area's height less
// the two status bars.
void frmMainScreen::Form_Resize(bool guards) {
    const int windowWidth = width();
    const int windowHeight = height();
    ItemList->move(ItemList->x(), 0);
    CatList->move(CatList->x(), ItemList->y() + FullYear->height());
    CentrePanel(entryEditor_);
    const int itemListWidth = windowWidth - CatList->width() - kToolbarRightGap;
    if (!guards || itemListWidth > 0) ItemList->resize(itemListWidth, ItemList->height());
    CatList->move(ItemList->x() + ItemList->width(), CatList->y());
    FullYear->move(CatList->x() - kFullYearNudge, CatList->y() - kFullYearRise);
    if (!guards || windowHeight - kLowestHeight > 0) {
        const int listHeight =
            ledgerArea_->height() - StatusBar0TSM->sizeHint().height() - StatusBarTSM->sizeHint().height();
        ItemList->resize(ItemList->width(), listHeight);
        CatList->resize(CatList->width(), listHeight - FullYear->height());
    }
    placeStatusBars();
    sizeToolbarButtons();
}

bool frmMainScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ledgerArea_ && event->type() == QEvent::Resize) {
        Form_Resize(loaded_);
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched == ItemList)
        return ItemList_KeyDown(static_cast<QKeyEvent*>(event)->key());
    // Any character key in the category list chooses its current row, as a click would.
    if (watched == CatList && ChoosesCurrentRow(event)) {
        CatList_Click(CatList->currentIndex());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tessamo
