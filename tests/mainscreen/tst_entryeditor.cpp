// The entry editor in the real main window: adding, opening, replacing and
// deleting lines with mouse and keys, the editor's states, refused entries.
#include <QApplication>
#include <QToolBar>

#include "core/Records.h"
#include "mainscreen/MainScreenHarness.h"

using namespace tessamo;

namespace {

std::vector<CategoryRecord> Categories() {
    return {CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("HO", "House")};
}

}  // namespace

class tst_entryeditor : public QObject {
    Q_OBJECT
private slots:
    void addExpenseAndIncome();
    void newLineStates();
    void currentCategoryFollowsSavedCode();
    void openReplaceAndDeleteFromEditor();
    void deleteKeyRemovesIdenticalLines();
    void headerRowOpensNothing();
    void refusedEntryKeepsEditorOpen_data();
    void refusedEntryKeepsEditorOpen();
    void failedDeleteLeavesLedger();
    void keyboardAlone();
    void dateBoxTypingReplacesIt();
    void keysAndHints();
};

void tst_entryeditor::addExpenseAndIncome() {
    MainScreenHarness h;
    h.env.PutCategories(Categories());
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    h.AddLine(0, "12.50", "bread", true);
    QVERIFY(!h.ui.EntryEdFrame->isVisible());
    QCOMPARE(h.env.Ledger(), (std::vector<LedgerRecord>{Line("03-15-99", "FO", Money(-12.5), "bread")}));
    h.AddLine(1, "  1,234.50 ", "pay", false);
    QCOMPARE(h.env.Ledger().front(), Line("03-15-99", "HO", Money(1234.5), "pay"));
    QCOMPARE(h.ui.AmountEditor->text(), QStringLiteral("1,234.50"));  // the cleaned text went back into the box
    h.AddLine(0, "abc", "open", false);                           // no digit at all: an open item
    QCOMPARE(h.env.Ledger().size(), 3u);

    QTableView* grid = w.ItemList;
    QCOMPARE(grid->model()->rowCount(), 3);
    QStringList amounts;
    for (int r = 0; r < 3; ++r) amounts << h.Cell(grid, r, 1);
    QCOMPARE(amounts, (QStringList{"$1,234.50", "****?****", "($12.50)"}));
    QCOMPARE(h.Cell(grid, 0, 2), QStringLiteral("HO"));
    QCOMPARE(grid->model()->index(2, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    QCOMPARE(w.stbIncome->text(), QStringLiteral("  Income = $1,234.50  "));
    QCOMPARE(w.stbExpense->text(), QStringLiteral("  Expense = ($12.50)  "));
    QCOMPARE(w.stbBalance->text(), QStringLiteral("  Balance = $1,222.00  "));
    QCOMPARE(w.stbTotal->text(), QStringLiteral(" 3  1999  records for category: ALL  "));
    QVERIFY(h.env.dialogs.messages.empty());
}

void tst_entryeditor::newLineStates() {
    MainScreenHarness h;
    h.env.PutCategories(Categories());
    h.PutSettings(0, "E");
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    QVERIFY(!h.ui.EntryEdFrame->isVisible() && !h.ui.EntryEdFrame->isEnabled());
    h.SelectLine(0);
    h.Key(w.ItemList, Qt::Key_Insert);
    QVERIFY(h.ui.EntryEdFrame->isVisible() && h.ui.EntryEdFrame->isEnabled());
    QCOMPARE(h.ui.DateEditor->displayText(), QStringLiteral("15-03"));  // day first in style "E"
    QCOMPARE(h.ui.CatNameLabel->text(), QStringLiteral("(select)"));
    QVERIFY(!h.ui.SaveNewIncome->isEnabled() && !h.ui.SaveNewExpense->isEnabled());
    QVERIFY(!h.ui.ReplaceRec->isEnabled() && !h.ui.KillRec->isEnabled());
    QVERIFY(!w.ItemList->isEnabled() && !w.CatList->isEnabled() && !w.ToolbarTSM->isEnabled());
    QCOMPARE(h.ui.SmCatList->model()->rowCount(), 2);
    // Any key in the small category grid chooses its current row.
    h.ui.SmCatList->setCurrentIndex(h.ui.SmCatList->model()->index(1, 0));
    QTest::keyClick(h.ui.SmCatList, Qt::Key_Return);
    QCOMPARE(h.ui.CatCodeLabel->text(), QStringLiteral("HO"));
    QCOMPARE(h.ui.CatNameLabel->text(), QStringLiteral("House           "));
    QVERIFY(h.ui.SaveNewIncome->isEnabled() && h.ui.SaveNewExpense->isEnabled());
    h.ui.DateEditor->setText("01-01");
    h.Click(h.ui.Today);
    QCOMPARE(h.ui.DateEditor->displayText(), QStringLiteral("15-03"));
    h.Click(h.ui.CancelEdit);
    QVERIFY(!h.ui.EntryEdFrame->isVisible());
    QVERIFY(w.ItemList->isEnabled() && w.CatList->isEnabled() && w.ToolbarTSM->isEnabled());
    QVERIFY(!h.ui.SaveNewIncome->isEnabled());
    QVERIFY(h.env.Ledger().empty());
}

void tst_entryeditor::currentCategoryFollowsSavedCode() {
    MainScreenHarness h;
    h.env.PutCategories(Categories());
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    h.ClickCell(w.CatList, 0, 0);  // list FO
    w.mnuNewItem->trigger();
    QCOMPARE(h.ui.CatCodeLabel->text(), QStringLiteral("FO"));
    QCOMPARE(h.ui.CatNameLabel->text(), QStringLiteral("Food            "));
    QVERIFY(h.ui.SaveNewExpense->isEnabled());
    h.DoubleClickCell(h.ui.SmCatList, 1, 1);  // choose HO instead
    h.Type(h.ui.AmountEditor, "5");
    h.Click(h.ui.SaveNewExpense);
    QCOMPARE(QString::fromStdString(h.env.state.CurrentCategory), QStringLiteral("HO"));
    QCOMPARE(w.stbTotal->text(), QStringLiteral(" 1  1999  records for category: HO  House           "));
}

void tst_entryeditor::openReplaceAndDeleteFromEditor() {
    MainScreenHarness h;
    h.env.PutCategories(Categories());
    h.env.PutLedger({Line("03-07-99", "FO", Money(-12.5), "bread"), Line("03-07-99", "FO", Money(-12.5), "bread"),
                     Line("03-01-99", "HO", Money(40), "rent back")});
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    h.SelectLine(0);
    h.Key(w.ItemList, Qt::Key_Return);
    QVERIFY(h.ui.EntryEdFrame->isVisible());
    QCOMPARE(h.ui.DateEditor->displayText(), QStringLiteral("03-07"));
    QCOMPARE(h.ui.AmountEditor->text(), QStringLiteral("12.5"));
    QCOMPARE(h.ui.CatCodeLabel->text(), QStringLiteral("FO"));
    QCOMPARE(h.ui.NoteEditor->text(), QStringLiteral("bread"));
    QCOMPARE(h.ui.CatNameLabel->text(), QStringLiteral("Food            "));
    QVERIFY(h.ui.ReplaceRec->isEnabled() && h.ui.KillRec->isEnabled() && h.ui.SaveNewIncome->isEnabled());
    QVERIFY(!w.ItemList->isEnabled() && w.ToolbarTSM->isEnabled());

    // Replace reads the amount by the same conventions as Save and keeps the
    // line an expense; only the first of two identical lines changes.
    h.Type(h.ui.AmountEditor, "1,234.50");
    h.Type(h.ui.NoteEditor, "groceries");
    h.Click(h.ui.ReplaceRec);
    QVERIFY(!h.ui.EntryEdFrame->isVisible());
    auto ledger = h.env.Ledger();
    QCOMPARE(ledger[0], Line("03-07-99", "FO", Money(-1234.5), "groceries"));
    QCOMPARE(ledger[1], Line("03-07-99", "FO", Money(-12.5), "bread"));

    // Delete from the editor, without changes: the line goes after "Delete record ?".
    h.DoubleClickCell(w.ItemList, 2, 3);
    QCOMPARE(h.ui.AmountEditor->text(), QStringLiteral("40"));
    h.env.dialogs.answers.push_back(Answer::Yes);
    h.Click(h.ui.KillRec);
    const Message& asked = h.env.dialogs.Last();
    QCOMPARE(asked.text, std::string("Delete record ?"));
    QCOMPARE(asked.title, std::string("Confirm"));
    QVERIFY(asked.icon == MessageIcon::Question && asked.defaultButton == Answer::No);
    QCOMPARE(h.env.Ledger().size(), 2u);
    QVERIFY(!h.env.folder.Exists("temp.$$$"));
    QCOMPARE(w.ItemList->model()->rowCount(), 2);
}

void tst_entryeditor::deleteKeyRemovesIdenticalLines() {
    MainScreenHarness h;
    const LedgerRecord twin = Line("03-07-99", "FO", 0, "  open  ");
    h.env.PutLedger({twin, Line("03-06-99", "FO", Money(3), "keep"), twin});
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    h.SelectLine(2);
    h.Key(w.ItemList, Qt::Key_Delete);  // declined: nothing changes
    QCOMPARE(h.env.Ledger().size(), 3u);
    h.SelectLine(2);
    h.env.dialogs.answers.push_back(Answer::Yes);
    h.Key(w.ItemList, Qt::Key_Delete);
    QCOMPARE(h.env.Ledger(), (std::vector<LedgerRecord>{Line("03-06-99", "FO", Money(3), "keep")}));
    QCOMPARE(w.ItemList->model()->rowCount(), 1);
    QCOMPARE(h.env.dialogs.messages.size(), 2u);
}

void tst_entryeditor::headerRowOpensNothing() {
    MainScreenHarness h;
    h.env.PutLedger({Line("03-07-99", "FO", Money(-1), "x")});
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    w.ItemList->setFocus();
    QVERIFY(!w.ItemList->currentIndex().isValid());
    h.Key(w.ItemList, Qt::Key_Return);
    QVERIFY(!h.ui.EntryEdFrame->isVisible());
    h.env.dialogs.answers.push_back(Answer::Yes);
    h.Key(w.ItemList, Qt::Key_Delete);  // asked, but the header matches no line
    QCOMPARE(h.env.dialogs.Last().text, std::string("Delete record ?"));
    QCOMPARE(h.env.Ledger().size(), 1u);
}

void tst_entryeditor::refusedEntryKeepsEditorOpen_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("category");  // -1: none chosen
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("message");
    QTest::newRow("date") << "13-45" << 0 << "5" << "Invalid Date - 13-45-99";
    QTest::newRow("half-typed date") << "03" << 0 << "5" << "Invalid Date - 03-__-99";
    QTest::newRow("no category") << "03-10" << -1 << "5" << "No Category Selected";
    QTest::newRow("two points") << "03-10" << 0 << "1.2.3" << "Invalid Amount - 1.2.3";
    QTest::newRow("lone point") << "03-10" << 0 << " . " << "Invalid Amount - .";
}

void tst_entryeditor::refusedEntryKeepsEditorOpen() {
    QFETCH(QString, date);
    QFETCH(int, category);
    QFETCH(QString, amount);
    QFETCH(QString, message);
    MainScreenHarness h;
    h.env.PutCategories(Categories());
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    w.mnuNewItem->trigger();
    if (category >= 0) h.DoubleClickCell(h.ui.SmCatList, category, 0);
    else h.ui.SaveNewIncome->setEnabled(true);  // reachable when a category was blanked
    h.Type(h.ui.DateEditor, date);
    h.Type(h.ui.AmountEditor, amount);
    h.Type(h.ui.NoteEditor, "typed note");
    h.Click(h.ui.SaveNewIncome);
    QVERIFY(!h.env.dialogs.messages.empty());
    QCOMPARE(QString::fromStdString(h.env.dialogs.Last().text), message);
    QCOMPARE(h.env.dialogs.Last().title, std::string("Entry Aborted"));
    QVERIFY(h.env.dialogs.Last().icon == MessageIcon::Exclamation);
    QVERIFY(h.ui.EntryEdFrame->isVisible());
    QCOMPARE(h.ui.NoteEditor->text(), QStringLiteral("typed note"));
    QCOMPARE(h.ui.DateEditor->displayText().left(date.size()), date);
    QVERIFY(h.env.Ledger().empty());
}

void tst_entryeditor::failedDeleteLeavesLedger() {
    MainScreenHarness h;
    const std::vector<LedgerRecord> lines{Line("03-07-99", "FO", Money(-1), "x"), Line("03-06-99", "FO", 5, "y")};
    h.env.PutLedger(lines);
    QVERIFY(h.Load());
    h.env.files.Fail(FaultyFileSystem::Op::Replace, "No space left on device");
    h.SelectLine(0);
    h.env.dialogs.answers.push_back(Answer::Yes);
    h.Key(h.window->ItemList, Qt::Key_Delete);
    QCOMPARE(h.env.dialogs.Last().title, std::string("File Error"));
    QVERIFY(h.env.dialogs.Last().text.find("No space left on device") != std::string::npos);
    QCOMPARE(h.env.Ledger(), lines);
    QCOMPARE(h.window->ItemList->model()->rowCount(), 2);
}

// Add, change and delete a line with the keyboard only, following the focus.
void tst_entryeditor::keyboardAlone() {
    MainScreenHarness h;
    h.env.PutCategories(Categories());
    QVERIFY(h.Load());
    frmMainScreen& w = *h.window;
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // Types into the focused control; false when no control has the focus.
    auto key = [](Qt::Key k, const QString& text = {}) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused) return false;
        if (text.isEmpty()) QTest::keyClick(focused, k);
        else QTest::keyClicks(focused, text);
        return true;
    };
    w.ItemList->setFocus();
    QVERIFY(key(Qt::Key_Insert));
    QCOMPARE(QApplication::focusWidget(), h.ui.DateEditor);
    QVERIFY(key(Qt::Key_unknown, "0310"));  // replaces today's date
    QVERIFY(key(Qt::Key_Tab));  // "!"
    QVERIFY(key(Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), h.ui.AmountEditor);
    QVERIFY(key(Qt::Key_unknown, "7.25"));
    QVERIFY(key(Qt::Key_Tab));
    QVERIFY(key(Qt::Key_unknown, "tea"));
    QVERIFY(key(Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), h.ui.SmCatList);  // entering it makes the first row current
    QVERIFY(key(Qt::Key_Return));
    QCOMPARE(h.ui.CatCodeLabel->text(), QStringLiteral("FO"));
    QVERIFY(key(Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), h.ui.SaveNewIncome);
    QVERIFY(key(Qt::Key_Space));
    QCOMPARE(h.env.Ledger(), (std::vector<LedgerRecord>{Line("03-10-99", "FO", Money(7.25), "tea")}));
    QCOMPARE(QApplication::focusWidget(), w.ItemList);
    QVERIFY(key(Qt::Key_Return));  // the header row is current after the rebuild: nothing opens
    QVERIFY(!h.ui.EntryEdFrame->isVisible());

    QVERIFY(key(Qt::Key_Down));  // the first line
    QVERIFY(key(Qt::Key_Return));
    QCOMPARE(QApplication::focusWidget(), h.ui.DateEditor);
    for (int i = 0; i < 3; ++i) QVERIFY(key(Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), h.ui.NoteEditor);
    h.ui.NoteEditor->selectAll();
    QVERIFY(key(Qt::Key_unknown, "green tea"));
    for (int tabs = 0; tabs < 10 && QApplication::focusWidget() != h.ui.ReplaceRec; ++tabs) QVERIFY(key(Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), h.ui.ReplaceRec);
    QVERIFY(key(Qt::Key_Space));
    QCOMPARE(h.env.Ledger().front().Note.substr(0, 9), std::string("green tea"));

    QVERIFY(key(Qt::Key_Down));
    h.env.dialogs.answers.push_back(Answer::Yes);
    QVERIFY(key(Qt::Key_Delete));
    QVERIFY(h.env.Ledger().empty());
}

// However the date box gets the focus, typing replaces the whole date.
void tst_entryeditor::dateBoxTypingReplacesIt() {
    MainScreenHarness h;
    h.env.PutCategories(Categories());
    QVERIFY(h.LoadActive());
    frmMainScreen& w = *h.window;
    w.mnuNewItem->trigger();
    QTest::keyClicks(h.ui.DateEditor, "0405");
    QCOMPARE(h.ui.DateEditor->displayText(), QStringLiteral("04-05"));
    h.ui.AmountEditor->setFocus();
    QTest::keyClick(h.ui.AmountEditor, Qt::Key_Tab, Qt::ShiftModifier);  // Shift+Tab twice: back past "!"
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), h.ui.DateEditor);
    QTest::keyClicks(h.ui.DateEditor, "0607");
    QCOMPARE(h.ui.DateEditor->displayText(), QStringLiteral("06-07"));
    h.ui.AmountEditor->setFocus();
    QTest::mouseClick(h.ui.DateEditor, Qt::LeftButton, {}, QPoint(h.ui.DateEditor->width() - 4, h.ui.DateEditor->height() / 2));
    QTest::keyClicks(h.ui.DateEditor, "0809");
    QCOMPARE(h.ui.DateEditor->displayText(), QStringLiteral("08-09"));
}

void tst_entryeditor::keysAndHints() {
    MainScreenHarness h;
    QVERIFY(h.LoadActive());
    frmMainScreen& w = *h.window;
    // No categories yet: the editor says so, and where to make one.
    w.mnuNewItem->trigger();
    QCOMPARE(h.ui.SmCatListHint->text(), QStringLiteral("This year has no categories yet: Edit > New Category creates one."));
    QTest::keyClick(h.ui.DateEditor, Qt::Key_Escape);  // as Cancel
    QVERIFY(!h.ui.EntryEdFrame->isVisible());
    QVERIFY(w.ToolbarTSM->isEnabled());

    h.env.PutCategories(Categories());
    w.mnuNewItem->trigger();
    QVERIFY(h.ui.SmCatListHint->isVisible());
    QCOMPARE(h.ui.SmCatListHint->text(), QStringLiteral("Double-click or press <Enter> to select"));
    h.DoubleClickCell(h.ui.SmCatList, 1, 0);
    h.Type(h.ui.AmountEditor, "20");
    QTest::keyClick(h.ui.AmountEditor, Qt::Key_I, Qt::AltModifier);  // Save &INCOME, pressed as a click is
    QTRY_VERIFY(!h.ui.EntryEdFrame->isVisible());
    QCOMPARE(h.env.Ledger(), (std::vector<LedgerRecord>{Line("03-15-99", "HO", Money(20), "")}));
    QCOMPARE(h.ui.SaveNewIncome->accessibleName(), QStringLiteral("Save INCOME"));
    QCOMPARE(h.ui.SaveNewExpense->accessibleName(), QStringLiteral("Save EXPENSE"));
}

QTEST_MAIN(tst_entryeditor)
#include "tst_entryeditor.moc"

