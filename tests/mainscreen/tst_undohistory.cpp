// Undo, redo and the History window in the real main window over a journaled
// folder: the Edit menu's captions follow the last change, Ctrl+Z in a text
// field stays the field's, and History undoes back to a chosen change with
// the lists showing the undone state.
#include <QAction>
#include <QApplication>
#include <QTreeWidget>

#include "journal/ui/HistoryWindow.h"
#include "mainscreen/MainScreenHarness.h"
#include "widgets/OwnedWindow.h"

using namespace tessamo;

class tst_undohistory : public QObject {
    Q_OBJECT
private slots:
    void captionsFollowTheLastChange();
    void historyUndoesBackToAChosenChange();
};

namespace {

void Prepare(MainScreenHarness& h) {
    h.env.PutCategories({CategoryRecord::Make("FO", "Food")});
    h.env.PutLedger({Line("03-01-99", "FO", Money(-1), "first")});
}

int ListedLines(const MainScreenHarness& h) { return h.window->ItemList->model()->rowCount(); }

}  // namespace

void tst_undohistory::captionsFollowTheLastChange() {
    MainScreenHarness h(true);
    Prepare(h);
    QVERIFY(h.LoadActive());
    QAction* undo = h.window->mnuUndo;
    QAction* redo = h.window->mnuRedo;
    QCOMPARE(undo->text(), QStringLiteral("&Undo"));
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());

    h.AddLine(0, QStringLiteral("12.50"), QStringLiteral("groceries"), true);
    QCOMPARE(undo->text(), QStringLiteral("&Undo Add line 03-15-99 ($12.50) FO groceries"));
    QCOMPARE(ListedLines(h), 2);

    // In an open text field Ctrl+Z is the field's own.
    h.window->ToolbarButton(QStringLiteral("tbbNew"))->trigger();
    h.ui.NoteEditor->setFocus();
    h.Type(h.ui.NoteEditor, QStringLiteral("typed"));
    QTest::keyClick(h.ui.NoteEditor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.ui.NoteEditor->text(), QString());
    QCOMPARE(h.env.Ledger().size(), 2u);
    QVERIFY(h.env.dialogs.messages.empty());
    h.Click(h.ui.CancelEdit);

    h.window->ItemList->setFocus();
    QTest::keyClick(h.window->ItemList, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.env.Ledger().size(), 1u);
    QCOMPARE(ListedLines(h), 1);
    QCOMPARE(undo->text(), QStringLiteral("&Undo"));
    QCOMPARE(redo->text(), QStringLiteral("&Redo Add line 03-15-99 ($12.50) FO groceries"));
    QTest::keyClick(h.window->ItemList, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(ListedLines(h), 2);
    QVERIFY(!redo->isEnabled());
    QVERIFY(h.env.dialogs.messages.empty());
}

void tst_undohistory::historyUndoesBackToAChosenChange() {
    MainScreenHarness h(true);
    Prepare(h);
    QVERIFY(h.LoadActive());
    const std::string start = h.env.folder.Read(h.env.state.LedgerFileName);
    for (const char* note : {"one", "two", "three"}) h.AddLine(0, QStringLiteral("2"), QString::fromLatin1(note), false);
    QCOMPARE(ListedLines(h), 4);

    h.window->mnuHistory->trigger();
    auto* history = RaiseOpenWindow<HistoryWindow>(h.window.get());
    QVERIFY(history);
    QCOMPARE(history->ChangeList->topLevelItemCount(), 3);
    QCOMPARE(history->ChangeList->topLevelItem(0)->text(1), QStringLiteral("Add line 03-15-99 $2.00 FO three"));
    QCOMPARE(history->ChangeList->topLevelItem(0)->text(2), QStringLiteral("1999"));
    QTest::keyClick(history->ChangeList, Qt::Key_Down);
    QTest::keyClick(history->ChangeList, Qt::Key_Return);  // "two" and "three" are undone
    QCOMPARE(history->ChangeList->topLevelItemCount(), 1);
    QCOMPARE(ListedLines(h), 2);
    QCOMPARE(h.window->mnuRedo->text(), QStringLiteral("&Redo Add line 03-15-99 $2.00 FO two"));

    history->ChangeList->setCurrentItem(history->ChangeList->topLevelItem(0));
    h.Click(history->UndoToHere);
    QCOMPARE(h.env.folder.Read(h.env.state.LedgerFileName), start);
    QCOMPARE(ListedLines(h), 1);
    QVERIFY(!history->UndoToHere->isEnabled());
}

QTEST_MAIN(tst_undohistory)
#include "tst_undohistory.moc"
