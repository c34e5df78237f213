// The main window's start-up, menus, toolbar, status bars, layout and ledger
// view, driven offscreen on a fresh folder.
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QHelpEvent>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "core/Records.h"
#include "mainscreen/ItemListModel.h"
#include "mainscreen/MainScreenHarness.h"

using namespace tessamo;

class tst_mainscreen : public QObject {
    Q_OBJECT
private slots:
    void firstStartInEmptyFolder();
    void passcodeAnswers_data();
    void passcodeAnswers();
    void menusAndToolbar();
    void listsShowLedgerAndTotals();
    void categoryListChoosesCategory();
    void layoutFollowsWindowAndGuards();
    void controlsNamedAndFocusVisible();
    void noteColumnEndsAtRightEdge();
    void rebuildShowsTheTop();
    void datePanelFollowsMidnight();
    void barsAndButtonsLineUp();
    void emptyListSaysHowToBegin();
    void cutTotalShowsWholeTextAsTip();
    void newcomerPathWithKeysAlone();
};

namespace {

// 300 lines over two categories, newest first; notes name their line.
void PutManyLines(MainScreenHarness& h) {
    h.env.PutCategories({CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("HO", "House")});
    std::vector<LedgerRecord> lines;
    for (int i = 0; i < 300; ++i)
        lines.push_back(Line("03-01-99", i % 2 ? "HO" : "FO", Money(-(i + 1)), "line n" + std::to_string(i)));
    h.env.PutLedger(lines);
}

bool DateColumnInView(QTableView* grid) {
    return grid->columnViewportPosition(ItemListModel::DateColumn) >= 0 &&
           grid->columnViewportPosition(ItemListModel::DateColumn) < grid->viewport()->width();
}

void Resize(QWidget* window, int width, int height) {
    window->resize(width, height);
    QCoreApplication::processEvents();
}

}  // namespace

void tst_mainscreen::noteColumnEndsAtRightEdge() {
    MainScreenHarness h;
    PutManyLines(h);
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    QTableView* grid = w.ItemList;
    Resize(&w, 1000, 700);
    const int note = ItemListModel::NoteColumn;
    QCOMPARE(grid->columnViewportPosition(note) + grid->columnWidth(note), grid->viewport()->width());
    QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
    h.ClickCell(grid, 5, note);
    QCOMPARE(grid->horizontalScrollBar()->value(), 0);

    // Narrower than Date, Amount, Code and 40 note characters: a scroll bar,
    // and neither a click in a note nor a found line hides the Date column.
    Resize(&w, w.CatList->width() + 300, 700);
    QVERIFY(grid->horizontalScrollBar()->maximum() > 0);
    QVERIFY(grid->columnWidth(note) >= grid->fontMetrics().averageCharWidth() * 40);
    const QRect cell = grid->visualRect(grid->model()->index(2, note));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(grid->viewport()->width() - 5, cell.center().y()));
    QCOMPARE(grid->currentIndex().row(), 2);
    QVERIFY(DateColumnInView(grid));
    h.env.dialogs.inputs = {std::string("n250")};
    h.env.dialogs.answers = {Answer::No};  // "Find next?" No: stay on the match
    w.mnuFind->trigger();
    QCOMPARE(grid->currentIndex().row(), 250);
    QVERIFY(DateColumnInView(grid));
    QVERIFY(grid->visualRect(grid->currentIndex()).intersects(grid->viewport()->rect()));
}

void tst_mainscreen::rebuildShowsTheTop() {
    MainScreenHarness h;
    PutManyLines(h);
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    Resize(&w, w.CatList->width() + 300, 700);
    auto scrolledAway = [&] {
        w.ItemList->verticalScrollBar()->setValue(w.ItemList->verticalScrollBar()->maximum());
        w.ItemList->horizontalScrollBar()->setValue(w.ItemList->horizontalScrollBar()->maximum());
    };
    auto atTopWithHeaderCurrent = [&] {
        return w.ItemList->verticalScrollBar()->value() == 0 && w.ItemList->horizontalScrollBar()->value() == 0 &&
               !w.ItemList->currentIndex().isValid();
    };
    scrolledAway();
    h.ClickCell(w.CatList, 1, 0);  // a category switch
    QVERIFY(atTopWithHeaderCurrent());
    QCOMPARE(h.Cell(w.ItemList, 0, 3), QStringLiteral("line n1"));  // its newest line shows first
    scrolledAway();
    h.env.dialogs.answers = {Answer::Yes};
    w.mnuDateConvert->trigger();  // rebuilds the whole year
    QVERIFY(atTopWithHeaderCurrent());
}

void tst_mainscreen::datePanelFollowsMidnight() {
    MainScreenHarness h;
    QVERIFY(h.Load());
    QLabel* panel = h.window->stbDate;
    const QString before = panel->text();
    auto* timer = panel->findChild<QTimer*>(QStringLiteral("MidnightTimer"));
    QVERIFY(timer && timer->isActive());
    QVERIFY(timer->remainingTime() <= 24 * 3600 * 1000 + 1000);
    h.env.clock.Set({3, 16, 1999});
    QMetaObject::invokeMethod(timer, "timeout");
    QVERIFY(panel->text() != before);
    QCOMPARE(panel->text(), QLocale::system().toString(QDate(1999, 3, 16), QLocale::ShortFormat));
    QVERIFY(timer->isActive());  // and again the next midnight
}

// No strip under the lower bar; every toolbar caption on one line.
void tst_mainscreen::barsAndButtonsLineUp() {
    MainScreenHarness h;
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    Resize(&w, 1000, 700);
    h.env.PutCategories({CategoryRecord::Make("FO", "Food")});
    w.FullYear->click();  // new texts lay the bars out again
    QCoreApplication::processEvents();
    for (QLabel* panel : {w.stbTotal, w.stbYear})
        QCOMPARE(panel->mapTo(w.LedgerArea(), QPoint(0, panel->height())).y(), w.LedgerArea()->height());
    QSet<int> iconHeights;
    for (QAction* a : w.ToolbarTSM->actions())
        if (auto* button = qobject_cast<QToolButton*>(w.ToolbarTSM->widgetForAction(a)))
            iconHeights.insert(button->icon().actualSize(w.ToolbarTSM->iconSize()).height());
    QCOMPARE(iconHeights, QSet<int>{w.ToolbarTSM->iconSize().height()});
}

void tst_mainscreen::emptyListSaysHowToBegin() {
    MainScreenHarness h;
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    QVERIFY(w.ItemListHint->isVisible());
    QCOMPARE(w.ItemListHint->text(), QStringLiteral("To begin, create a category: Edit > New Category."));
    h.env.PutCategories({CategoryRecord::Make("FO", "Food")});
    w.FullYear->click();
    QCOMPARE(w.ItemListHint->text(),
             QStringLiteral("No lines listed. Press Insert (or Edit > New Line Item) to add one."));
    h.AddLine(0, "5", "bread", true);
    QVERIFY(!w.ItemListHint->isVisible());
}

void tst_mainscreen::cutTotalShowsWholeTextAsTip() {
    MainScreenHarness h;
    h.env.PutCategories({CategoryRecord::Make("FO", "Food")});
    h.env.PutLedger({Line("03-10-99", "FO", Money(123456789.5), "pay")});
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    auto tipOf = [](QLabel* panel) {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), panel->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(panel, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    Resize(&w, 1000, 700);
    QCOMPARE(tipOf(w.stbIncome), QString());
    Resize(&w, 300, 700);
    QCOMPARE(tipOf(w.stbIncome), QStringLiteral("  Income = $123,456,789.50  "));
}

// First start -> a category -> a line -> listed and totalled, keys only.
void tst_mainscreen::newcomerPathWithKeysAlone() {
    MainScreenHarness h;
    QVERIFY(h.LoadActive());
    frmMainScreen& w = *h.window;
    auto keys = [&](const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); };
    auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(QApplication::focusWidget(), k, m); };
    w.mnuNewCategory->trigger();  // Edit > New Category
    QCOMPARE(QApplication::focusWidget(), h.ui.CatEdCatCode);
    keys("fo");
    key(Qt::Key_Tab);
    keys("Food");
    key(Qt::Key_Return);  // Enter saves
    QVERIFY(!h.ui.CatEdFrame->isVisible());
    QCOMPARE(w.CatList->model()->rowCount(), 1);
    QCOMPARE(QApplication::focusWidget(), w.ItemList);
    key(Qt::Key_Insert);  // a new line
    QCOMPARE(QApplication::focusWidget(), h.ui.DateEditor);
    keys("0310");
    key(Qt::Key_Tab);  // straight to the amount, past "!"
    QCOMPARE(QApplication::focusWidget(), h.ui.AmountEditor);
    keys("12.50");
    key(Qt::Key_Tab);
    keys("bread");
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), h.ui.SmCatList);
    key(Qt::Key_Return);  // chooses the first category
    key(Qt::Key_X, Qt::AltModifier);  // Save E&XPENSE, pressed as a click is
    QTRY_VERIFY(!h.ui.EntryEdFrame->isVisible());
    QCOMPARE(h.env.Ledger(), (std::vector<LedgerRecord>{Line("03-10-99", "FO", Money(-12.5), "bread")}));
    QCOMPARE(h.Cell(w.ItemList, 0, 3), QStringLiteral("bread"));
    QCOMPARE(w.stbExpense->text(), QStringLiteral("  Expense = ($12.50)  "));
    // The new category was the one in hand, so the list shows it.
    QCOMPARE(w.stbTotal->text(), QStringLiteral(" 1  1999  records for category: FO  Food            "));
}


void tst_mainscreen::firstStartInEmptyFolder() {
    MainScreenHarness h;
    QVERIFY(h.Load());
    QCOMPARE(h.env.folder.Read("PERSONAL.DAT"), SettingsRecord::NewFile("03-15-1999").Bytes());
    QVERIFY(h.env.dialogs.prompts.empty());
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Tessamo 2.1"));
    QCOMPARE(h.window->stbYear->text(), QStringLiteral("   Active Year = 1999  "));
    QCOMPARE(h.ui.SmYr->text(), QStringLiteral("1999"));
    QCOMPARE(h.window->ItemList->model()->rowCount(), 0);
    QCOMPARE(h.window->CatList->model()->rowCount(), 0);
    QCOMPARE(h.window->stbIncome->text(), QStringLiteral("  No Income! "));
    QCOMPARE(h.window->stbExpense->text(), QStringLiteral("  No Expense! "));
    QCOMPARE(h.window->stbBalance->text(), QStringLiteral("  Balance = $0.00  "));
    QCOMPARE(h.window->stbTotal->text(), QStringLiteral(" 0  1999  records for category: ALL  "));
    QCOMPARE(QString::fromStdString(h.env.state.CurrentCategory), QStringLiteral("all"));
    QVERIFY(h.env.folder.Exists("1999TSM.DAT"));
    QVERIFY(h.env.folder.Exists("1999CATS.DAT"));
    QVERIFY(h.window->Help().Active());
    h.window->close();
    QVERIFY(!h.window->Help().Active());
}

void tst_mainscreen::passcodeAnswers_data() {
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("prefills");
    const QString wrong = QStringLiteral("Incorrect code. Try again.");
    const QString out = QStringLiteral("Sorry, three strikes and yer out!");
    QTest::newRow("digits") << QStringList{"1234"} << true << QStringList{} << QStringList{""};
    QTest::newRow("blanks and letters after") << QStringList{"  1234xyz "} << true << QStringList{}
                                              << QStringList{""};
    QTest::newRow("two wrong then right") << QStringList{"abc", "12", "1234"} << true << QStringList{wrong, wrong}
                                          << QStringList{"", " 0", " 12"};
    QTest::newRow("three wrong") << QStringList{"abc", "", "99"} << false << QStringList{wrong, wrong, out}
                                 << QStringList{"", " 0", " 0"};
}

void tst_mainscreen::passcodeAnswers() {
    QFETCH(QStringList, answers);
    QFETCH(bool, opens);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, prefills);
    MainScreenHarness h;
    h.PutSettings(1234);
    for (const QString& a : answers) h.env.dialogs.inputs.push_back(a.toStdString());
    QCOMPARE(h.window->Form_Load(), opens);
    QStringList shown, prefilled;
    for (const auto& m : h.env.dialogs.messages) shown << QString::fromStdString(m.text);
    for (const auto& p : h.env.dialogs.prompts) {
        QCOMPARE(p.prompt, std::string("Passcode?"));
        QCOMPARE(p.title, std::string("Passcode entry"));
        prefilled << QString::fromStdString(p.defaultText);
    }
    QCOMPARE(shown, messages);
    QCOMPARE(prefilled, prefills);
    // A failed start still records its date.
    QCOMPARE(SettingsRecord::FromBytes(h.env.folder.Read("PERSONAL.DAT")).LastStartDate(), std::string("03-15-1999"));
}

void tst_mainscreen::menusAndToolbar() {
    MainScreenHarness h;
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    QStringList captions;
    for (QAction* top : w.menuBar()->actions()) {
        captions << top->objectName() + "=" + top->text();
        if (top->menu())
            for (QAction* item : top->menu()->actions())
                captions << (item->isSeparator() ? QStringLiteral("-") : item->objectName() + "=" + item->text());
    }
    QCOMPARE(captions, (QStringList{
        "mnuFile=&File", "mnuTinyCalc=Calculator", "mnuSort=Sort", "mnuYear=Select Year", "mnuBackup=Backup",
        "mnuExit=E&xit", "mnuImport=Import bank statement\u2026",
        "mnuRestore=&Restore from backup\u2026", "mnuEdit=&Edit", "mnuNewItem=New Line Item", "mnuNewCategory=New Category",
        "mnuChangeCategory=Change Category", "mnuNotes=Notes", "mnuBudgets=&Budgets\u2026",
        "mnuDuplicateLine=&Duplicate Line", "-", "mnuUndo=&Undo", "mnuRedo=&Redo", "mnuHistory=&History\u2026",
        "mnuSearch=&Search", "mnuFind=Find a word", "mnuFindAllYears=Find in all years\u2026",
        "mnuMacros=&Macros", "mnuShowMacro=Show Macro Controls",
        "mnuDueEntries=Due entries\u2026", "mnuReports=&Reports", "mnuOptions=&Options",
        "mnuUserName=User Name", "mnuPassCode=Pass Code", "mnuDateFormat=Date Format",
        "mnuDateConvert=Date Coverter", "-", "mnuTTO=Tool tips", "mnuAutoBackups=&Automatic backups\u2026", "mnuHelp=&Help", "mnuHelpContents=Contents",
        "mnuHelpAbout=About", "mnuWebSite=Visit Velloran's Website", "mnu_KSN=Visit Kestrune's Website"}));
    QCOMPARE(w.mnuShowMacro->shortcut(), QKeySequence(Qt::Key_F3));
    QVERIFY(w.mnuTTO->isChecked());

    QStringList buttons;
    for (QAction* a : w.ToolbarTSM->actions())
        buttons << w.ToolbarTSM->widgetForAction(a)->objectName() + "|" + a->iconText() + "|" + a->toolTip();
    QCOMPARE(buttons, (QStringList{
        "tbbHelp|Help|Click for Help Contents", "tbbFind|Search|Find a Word", "tbbNotes|Notes|Click to edit your notes",
        "tbbMacro|Macro|Macro Functions", "tbbReports|Reports|Reports", "tbbYear|Year|Select Year",
        "tbbSetup|Passcode|Set start-up passcode", "tbbSort|Sort|Sort current year's data file", "tbbNew|New|New Item"}));
    // Each button is its menu entry's own action, so it is usable exactly when the entry is.
    const std::pair<const char*, QAction*> commands[] = {
        {"tbbHelp", w.mnuHelpContents}, {"tbbFind", w.mnuFind}, {"tbbNotes", w.mnuNotes},
        {"tbbMacro", w.mnuShowMacro}, {"tbbReports", w.mnuReports}, {"tbbYear", w.mnuYear},
        {"tbbSetup", w.mnuPassCode}, {"tbbSort", w.mnuSort}, {"tbbNew", w.mnuNewItem}};
    QList<QAction*> menuEntries = w.menuBar()->actions();
    for (QAction* top : w.menuBar()->actions())
        if (top->menu()) menuEntries += top->menu()->actions();
    for (const auto& [key, entry] : commands) {
        QCOMPARE(w.ToolbarButton(key), entry);
        QVERIFY2(menuEntries.contains(entry) && w.ToolbarTSM->actions().contains(entry), key);
    }
    QVERIFY(w.ToolbarButton("tbbNew")->isEnabled());
    w.mnuPassCode->setEnabled(false);
    QVERIFY(!w.ToolbarButton("tbbSetup")->isEnabled());
    w.mnuPassCode->setEnabled(true);
    QVERIFY(w.ToolbarButton("tbbSetup")->isEnabled());
    // The icon is the button's: it survives the change, and the menu bar still shows "Reports" as text.
    QVERIFY(!w.ToolbarTSM->findChild<QToolButton*>("tbbSetup")->icon().isNull());
    // The program's own pictures, whatever icon theme the desktop has.
    QCOMPARE(w.ToolbarTSM->findChild<QToolButton*>("tbbSetup")->icon().availableSizes(),
             (QList<QSize>{QSize(24, 24), QSize(48, 48)}));
    QVERIFY(w.mnuReports->icon().isNull());
    int passcodeRuns = 0;
    QObject::connect(w.mnuPassCode, &QAction::triggered, [&] { ++passcodeRuns; });
    w.ToolbarTSM_ButtonClick("tbbSetup");
    QCOMPARE(passcodeRuns, 1);
    w.ToolbarTSM_ButtonClick("tbbNothing");  // no such key: nothing happens
    QVERIFY(!h.ui.EntryEdFrame->isVisible());
    w.ToolbarTSM_ButtonClick("tbbNew");
    QVERIFY(h.ui.EntryEdFrame->isVisible());
}

void tst_mainscreen::listsShowLedgerAndTotals() {
    MainScreenHarness h;
    h.env.PutCategories({CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("HO", "House")});
    h.env.PutLedger({Line("03-10-99", "HO", Money(1234.5), "  pay  "), Line("03-09-99", "FO", Money(-12.5), "bread"),
                     Line("03-08-99", "FO", 0, "open")});
    QVERIFY(h.Load());
    QTableView* grid = h.window->ItemList;
    QCOMPARE(grid->model()->rowCount(), 3);
    QStringList headers;
    for (int c = 0; c < 4; ++c) headers << grid->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headers, (QStringList{"Date", "Amount", "Code", "Note"}));
    QCOMPARE(h.Cell(grid, 0, 0), QStringLiteral("03-10-99"));
    QCOMPARE(h.Cell(grid, 0, 1), QStringLiteral("$1,234.50"));
    QCOMPARE(h.Cell(grid, 0, 3), QStringLiteral("pay"));
    QCOMPARE(h.Cell(grid, 1, 1), QStringLiteral("($12.50)"));
    QCOMPARE(h.Cell(grid, 2, 1), QStringLiteral("****?****"));
    auto colour = [&](int row) { return grid->model()->index(row, 1).data(Qt::ForegroundRole).value<QColor>(); };
    QCOMPARE(colour(0), QColor(0, 0, 0));
    QCOMPARE(colour(1), QColor(255, 0, 0));
    QCOMPARE(colour(2), QColor(0, 0, 255));
    auto align = [&](int column) { return grid->model()->index(0, column).data(Qt::TextAlignmentRole).toInt(); };
    QVERIFY(align(0) & Qt::AlignLeft);
    QVERIFY(align(1) & Qt::AlignRight);
    QVERIFY(align(2) & Qt::AlignRight);
    QVERIFY(align(3) & Qt::AlignLeft);
    QVERIFY(grid->columnWidth(3) > grid->columnWidth(1) && grid->columnWidth(1) > grid->columnWidth(0));
    QCOMPARE(h.window->stbIncome->text(), QStringLiteral("  Income = $1,234.50  "));
    QCOMPARE(h.window->stbExpense->text(), QStringLiteral("  Expense = ($12.50)  "));
    QCOMPARE(h.window->stbBalance->text(), QStringLiteral("  Balance = $1,222.00  "));
    QCOMPARE(h.window->stbTotal->text(), QStringLiteral(" 3  1999  records for category: ALL  "));
    QCOMPARE(h.Cell(h.window->CatList, 1, 1), QStringLiteral("House           "));
    QVERIFY(!grid->currentIndex().isValid());  // the header row is current after a rebuild
}

void tst_mainscreen::categoryListChoosesCategory() {
    MainScreenHarness h;
    h.env.PutCategories({CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("HO", "House")});
    h.env.PutLedger({Line("03-10-99", "HO", Money(100), "pay"), Line("03-09-99", "FO", Money(-12.5), "bread"),
                     Line("03-08-99", "FO", 0, "open")});
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    h.ClickCell(w.CatList, 0, 0);
    QCOMPARE(QString::fromStdString(h.env.state.CurrentCategory), QStringLiteral("FO"));
    QCOMPARE(w.ItemList->model()->rowCount(), 2);
    QCOMPARE(w.stbIncome->text(), QStringLiteral("  No Income! "));
    QCOMPARE(w.stbTotal->text(), QStringLiteral(" 2  1999  records for category: FO  Food            "));
    // A key in the category list chooses its current cell too.
    w.CatList->setCurrentIndex(w.CatList->model()->index(1, 0));
    QTest::keyClick(w.CatList, Qt::Key_Space);
    QCOMPARE(w.stbTotal->text(), QStringLiteral(" 1  1999  records for category: HO  House           "));
    // A click on the description chooses the row's category too.
    h.ClickCell(w.CatList, 0, 1);
    QCOMPARE(QString::fromStdString(h.env.state.CurrentCategory), QStringLiteral("FO"));
    QCOMPARE(w.ItemList->model()->rowCount(), 2);
    // Enter on a row chooses it.
    w.CatList->setCurrentIndex(w.CatList->model()->index(1, 1));
    QTest::keyClick(w.CatList, Qt::Key_Return);
    QCOMPARE(w.stbTotal->text(), QStringLiteral(" 1  1999  records for category: HO  House           "));
    QTest::mouseClick(w.FullYear, Qt::LeftButton);
    QCOMPARE(QString::fromStdString(h.env.state.CurrentCategory), QStringLiteral("all"));
    QCOMPARE(w.ItemList->model()->rowCount(), 3);
}

void tst_mainscreen::layoutFollowsWindowAndGuards() {
    MainScreenHarness h;
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    w.resize(1000, 700);
    QCoreApplication::processEvents();
    QCOMPARE(w.ItemList->x() + w.ItemList->width(), w.CatList->x());
    QCOMPARE(w.CatList->x() + w.CatList->width(), w.width() - 7);
    QCOMPARE(w.CatList->y(), w.ItemList->y() + w.FullYear->height());
    QCOMPARE(w.FullYear->x(), w.CatList->x() - 1);
    QCOMPARE(w.ItemList->y() + w.ItemList->height(), w.StatusBar0TSM->y());
    QCOMPARE(w.CatList->y() + w.CatList->height(), w.StatusBar0TSM->y());
    QCOMPARE(w.StatusBar0TSM->y() + w.StatusBar0TSM->height(), w.StatusBarTSM->y());
    QCOMPARE(w.StatusBarTSM->y() + w.StatusBarTSM->height(), w.LedgerArea()->height());
    QSet<int> widths;
    for (QAction* a : w.ToolbarTSM->actions()) {
        QWidget* button = w.ToolbarTSM->widgetForAction(a);
        QVERIFY(button && button->isVisible());
        widths.insert(button->width());
    }
    QCOMPARE(widths, QSet<int>{(1000 - 7) / 9});
    const QRect frame = h.ui.EntryEdFrame->geometry();
    QCOMPARE(frame.x(), (w.LedgerArea()->width() - frame.width()) / 2);

    // Narrower than the category list: the item list keeps its width.
    const int itemWidth = w.ItemList->width();
    w.resize(w.CatList->width() + 5, 700);
    QCoreApplication::processEvents();
    QCOMPARE(w.ItemList->width(), itemWidth);
    // Lower than the guard: both list heights stay.
    w.resize(1000, 700);
    QCoreApplication::processEvents();
    const int itemHeight = w.ItemList->height(), catHeight = w.CatList->height();
    w.resize(1000, 140);
    QCoreApplication::processEvents();
    QCOMPARE(w.ItemList->height(), itemHeight);
    QCOMPARE(w.CatList->height(), catHeight);
}

void tst_mainscreen::controlsNamedAndFocusVisible() {
    MainScreenHarness h;
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    const char* names[] = {"ItemList", "CatList", "FullYear", "StatusBar0TSM", "StatusBarTSM", "stbIncome",
                           "stbExpense", "stbBalance", "stbDate", "stbTotal", "stbYear", "EntryEdFrame",
                           "DateEditor", "SmYr", "Today", "AmountEditor", "NoteEditor", "SmCatList", "CatNameLabel", "CName", "DateLabel", "AmountLabel", "NoteLabel", "SaveNewIncome",
                           "SaveNewExpense", "ReplaceRec", "KillRec", "CancelEdit", "tbbNew", "tbbHelp"};
    // What a screen reader hears: status panels are heard by their current text.
    auto spoken = [](QWidget* control) { return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name); };
    for (const char* name : names) {
        auto* control = w.findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY2(control, name);
        QVERIFY2(!spoken(control).isEmpty(), name);
    }
    QCOMPARE(spoken(w.stbBalance), QStringLiteral("  Balance = $0.00  "));
    QCOMPARE(w.stbBalance->accessibleDescription(), QStringLiteral("Balance"));
    QCOMPARE(spoken(w.ToolbarTSM->widgetForAction(w.mnuHelpContents)), QStringLiteral("Help"));
    QCOMPARE(h.ui.Today->toolTip(), QStringLiteral("Make Date = Today"));
    QCOMPARE(h.ui.SmCatList->toolTip(), QStringLiteral("Double-click or press <Enter> to select"));
    QCOMPARE(h.ui.NoteEditor->maxLength(), 40);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.CatList->setFocus();
    QCOMPARE(w.CatList->frameShadow(), QFrame::Sunken);
    w.ItemList->setFocus();
    QCOMPARE(w.CatList->frameShadow(), QFrame::Plain);
    QCOMPARE(w.ItemList->frameShadow(), QFrame::Sunken);
    // The focused grid has the stronger frame: wider and darker on every side.
    auto darkness = [](const QColor& c) { return 255 - c.lightness(); };
    QVERIFY(w.ItemList->lineWidth() > w.CatList->lineWidth());
    QVERIFY(darkness(w.ItemList->palette().color(QPalette::Light)) >
            darkness(w.CatList->palette().color(QPalette::WindowText)));
}

QTEST_MAIN(tst_mainscreen)
#include "tst_mainscreen.moc"
