// The entry editor's helpers and the Due entries window, driven by keys in
// the real main window: a line seen before entered in a few keys, the
// suggested category, amount arithmetic, Duplicate Line, and a month's due
// macro entered by pressing Enter.
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QTableWidget>

#include "due/ScheduleFile.h"
#include "due/ui/DueEntriesWindow.h"
#include "mainscreen/MainScreenHarness.h"
#include "widgets/OwnedWindow.h"

using namespace tessamo;

namespace {

std::vector<CategoryRecord> Categories() {
    return {CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("HO", "House")};
}

// Keys to the focused control (an open list of notes gets its keys straight
// from the test, as the offscreen platform does not route them to it).
QWidget* KeyTarget() { return QApplication::focusWidget(); }
bool Key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = KeyTarget();
    if (!target) return false;
    QTest::keyClick(target, k, modifiers);
    return true;
}
bool Keys(const QString& text) {
    for (const QChar c : text) {
        QWidget* target = KeyTarget();
        if (!target) return false;
        QTest::keyClick(target, c.toLatin1());
    }
    return true;
}

// The offscreen platform leaves a closed popup list the active window; a
// desktop gives the activation back to the window at once.
void ReactivateAfterPopup(QWidget& window) {
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace

class tst_entryhelpers : public QObject {
    Q_OBJECT
private slots:
    void lineSeenBeforeInAFewKeys();
    void suggestedCategoryWaitsForTheUser();
    void amountArithmeticShowsItsResult();
    void duplicateLine();
    void dueEntriesByEnter();
};

void tst_entryhelpers::lineSeenBeforeInAFewKeys() {
    MainScreenHarness h;
    h.env.PutCategories(Categories());
    h.env.PutLedger({Line("03-01-99", "FO", Money(-12.5), "Groceries"), Line("02-01-99", "HO", Money(-9), "Gas")});
    QVERIFY(h.LoadActive());
    h.window->ItemList->setFocus();
    QVERIFY(Key(Qt::Key_Insert));
    h.ui.NoteEditor->setFocus();
    QVERIFY(Keys("gr"));
    QAbstractItemView* popup = h.ui.NoteEditor->completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(popup->model()->rowCount(), 1);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Tab);  // takes the note, its category and its amount
    ReactivateAfterPopup(*h.window);
    QCOMPARE(h.ui.NoteEditor->text(), QStringLiteral("Groceries"));
    QCOMPARE(h.ui.AmountEditor->text(), QStringLiteral("12.5"));
    QCOMPARE(h.ui.CatCodeLabel->text(), QStringLiteral("FO"));
    QVERIFY(h.ui.SaveNewExpense->isEnabled());
    QVERIFY(Key(Qt::Key_X, Qt::AltModifier));  // Save E&XPENSE
    QTRY_VERIFY(!h.ui.EntryEdFrame->isVisible());
    QCOMPARE(h.env.Ledger().front(), Line("03-15-99", "FO", Money(-12.5), "Groceries"));

    // What was typed stays: a typed amount is not replaced.
    QTRY_COMPARE(QApplication::focusWidget(), h.window->ItemList);
    QVERIFY(Key(Qt::Key_Insert));
    h.ui.AmountEditor->setFocus();
    QVERIFY(Keys("3"));
    h.ui.NoteEditor->setFocus();
    QVERIFY(Keys("ga"));
    QTRY_VERIFY(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    QCOMPARE(h.ui.NoteEditor->text(), QStringLiteral("Gas"));
    QCOMPARE(h.ui.AmountEditor->text(), QStringLiteral("3"));
}

void tst_entryhelpers::suggestedCategoryWaitsForTheUser() {
    MainScreenHarness h;
    h.env.PutCategories(Categories());
    h.env.PutLedger({Line("03-01-99", "HO", Money(-40), "Hardware store")});
    h.env.folder.Write("import-rules.txt", "FO bakery\n");
    QVERIFY(h.LoadActive());
    const std::pair<QString, QString> cases[] = {{"Hardware store", "HO"}, {"Corner bakery", "FO"}};
    for (const auto& [note, code] : cases) {
        h.window->ItemList->setFocus();
        QVERIFY(Key(Qt::Key_Insert));
        h.ui.NoteEditor->setFocus();
        QVERIFY(Keys(note));
        h.ui.SmCatList->setFocus();  // leaving the note suggests
        QCOMPARE(h.Cell(h.ui.SmCatList, h.ui.SmCatList->currentIndex().row(), 0), code);
        QVERIFY(h.ui.CatCodeLabel->text().isEmpty());
        QVERIFY(!h.ui.SaveNewIncome->isEnabled());
        QVERIFY(Key(Qt::Key_Return));
        QCOMPARE(h.ui.CatCodeLabel->text(), code);
        QVERIFY(h.ui.SaveNewIncome->isEnabled());
        h.Click(h.ui.CancelEdit);
    }
}

void tst_entryhelpers::amountArithmeticShowsItsResult() {
    MainScreenHarness h;
    h.env.PutCategories(Categories());
    QVERIFY(h.LoadActive());
    h.window->ItemList->setFocus();
    QVERIFY(Key(Qt::Key_Insert));
    auto* result = h.window->findChild<QLabel*>(QStringLiteral("AmountResult"));
    h.ui.AmountEditor->setFocus();
    QVERIFY(Keys("=3*4.99"));
    QCOMPARE(result->text(), QStringLiteral("= 14.97"));
    QVERIFY(Keys("/0"));
    QCOMPARE(result->text(), QStringLiteral("division by zero"));
    h.Type(h.ui.AmountEditor, QStringLiteral("=(120-15)/3"));
    h.DoubleClickCell(h.ui.SmCatList, 0, 0);
    h.Click(h.ui.SaveNewExpense);
    QCOMPARE(h.env.Ledger(), (std::vector<LedgerRecord>{Line("03-15-99", "FO", Money(-35), "")}));
}

void tst_entryhelpers::duplicateLine() {
    MainScreenHarness h;
    h.env.PutCategories(Categories());
    h.env.PutLedger({Line("01-02-99", "HO", Money(-80), "Rent")});
    QVERIFY(h.LoadActive());
    h.SelectLine(0);
    QVERIFY(Key(Qt::Key_D, Qt::ControlModifier));
    QVERIFY(h.ui.EntryEdFrame->isVisible());
    QCOMPARE(h.ui.DateEditor->text(), QStringLiteral("03-15"));
    QCOMPARE(h.ui.AmountEditor->text(), QStringLiteral("80"));
    QCOMPARE(h.ui.NoteEditor->text(), QStringLiteral("Rent"));
    QCOMPARE(h.ui.CatCodeLabel->text(), QStringLiteral("HO"));
    QVERIFY(Key(Qt::Key_X, Qt::AltModifier));
    QTRY_COMPARE(h.env.Ledger().size(), 2u);
    QCOMPARE(h.env.Ledger().front(), Line("03-15-99", "HO", Money(-80), "Rent"));
}

void tst_entryhelpers::dueEntriesByEnter() {
    MainScreenHarness h;
    h.env.PutCategories(Categories());
    h.env.folder.Write("PAY.MCR", "fo\r\n-12.50\r\nlunch\r\n");
    h.env.folder.Write("RENT.MCR", "ho\r\n-800\r\nrent\r\n");
    h.env.folder.Write(kScheduleFileName, "PAY.MCR\tmonthly 1\t1999-02-01\t-\t-\t-\n"
                                          "RENT.MCR\tmonthly 10\t1999-03-01\t-\t-\t-\n");
    QVERIFY(h.LoadActive());
    QVERIFY(h.window->OpenDueEntries({3, 15, 1999}));
    auto* due = RaiseOpenWindow<DueEntriesWindow>(h.window.get());
    QVERIFY(due);
    QTRY_VERIFY(due->isActiveWindow());
    QCOMPARE(due->DueList->rowCount(), 3);  // PAY 02-01, PAY 03-01, RENT 03-10
    QCOMPARE(due->MacroLines->rowCount(), 1);
    QVERIFY(Key(Qt::Key_Return));  // enters PAY on 02-01
    QVERIFY(Key(Qt::Key_L, Qt::AltModifier));  // PAY on 03-01 stays due
    QVERIFY(Key(Qt::Key_S, Qt::AltModifier));  // RENT on 03-10 is skipped; nothing is left: the window closes
    QTRY_VERIFY(!due->isVisible());
    QCOMPARE(h.env.Ledger(), (std::vector<LedgerRecord>{Line("02-01-99", "FO", Money(-12.5), "lunch")}));
    QCOMPARE(h.window->ItemList->model()->rowCount(), 1);
    std::vector<Schedule> schedules;
    QVERIFY(ReadSchedules(h.env.files, schedules).ok());
    QCOMPARE(DueEntriesThrough(schedules, {3, 15, 1999}).size(), 1u);
}

QTEST_MAIN(tst_entryhelpers)
#include "tst_entryhelpers.moc"
