// The year selector in the real main window: switching to a year without
// categories (copy Yes and No), choosing the active year again, Cancel.
#include <QGroupBox>
#include <QSpinBox>
#include <QToolBar>

#include "mainscreen/MainScreenHarness.h"

using namespace tessamo;

class tst_yearselector : public QObject {
    Q_OBJECT

    // Two categories and one line; false when the window did not load.
    [[nodiscard]] static bool Prepare(MainScreenHarness& h) {
        h.env.PutCategories({CategoryRecord::Make("AU", "Auto"), CategoryRecord::Make("FO", "Food")});
        h.env.PutLedger({Line("03-14-99", "FO", Money(-12.5), "bread")});
        return h.Load();
    }
    // Opens the selector from the toolbar and spins `steps` years up (down when negative).
    static void Spin(MainScreenHarness& h, int steps) {
        h.window->ToolbarButton(QStringLiteral("tbbYear"))->trigger();
        for (int i = 0; i < std::abs(steps); ++i) QTest::keyClick(h.ui.DataYear, steps > 0 ? Qt::Key_Up : Qt::Key_Down);
    }

    // Spins and presses "OK!", answering the questions with `answers`.
    static void ChooseYear(MainScreenHarness& h, int steps, std::deque<Answer> answers) {
        Spin(h, steps);
        h.env.dialogs.answers = std::move(answers);
        h.Click(h.ui.SetYear);
    }

private slots:
    void openingDisablesTheLists() {
        MainScreenHarness h;
        QVERIFY(Prepare(h));
        frmMainScreen& w = *h.window;
        QVERIFY(!h.ui.YearEdFrame->isVisible());
        QCOMPARE(h.ui.YearEdFrame->title(), QStringLiteral(" Select Year "));
        Spin(h, 1);
        QVERIFY(h.ui.YearEdFrame->isVisible() && h.ui.YearEdFrame->isEnabled());
        QVERIFY(!w.ItemList->isEnabled() && !w.CatList->isEnabled() && !w.ToolbarTSM->isEnabled());
        QCOMPARE(h.ui.CurYear->text(), QStringLiteral("2000"));
        QCOMPARE(h.ui.SetYear->text(), QStringLiteral("OK!"));
        QCOMPARE(h.ui.YearOff->text(), QStringLiteral("Cancel"));
    }

    void newYearCopyingCategories() {
        MainScreenHarness h;
        QVERIFY(Prepare(h));
        frmMainScreen& w = *h.window;
        ChooseYear(h, 1, {Answer::Yes});
        QCOMPARE(h.env.dialogs.Last().text,
                 std::string("There is no category file for 2000\r\nCopy over 1999's categories ?"));
        QCOMPARE(h.env.dialogs.Last().title, std::string("No categories!"));
        QVERIFY(!h.ui.YearEdFrame->isVisible());
        QVERIFY(w.ItemList->isEnabled() && w.CatList->isEnabled() && w.ToolbarTSM->isEnabled());
        QCOMPARE(w.CatList->model()->rowCount(), 2);
        QCOMPARE(w.ItemList->model()->rowCount(), 0);
        QCOMPARE(w.stbYear->text(), QStringLiteral("  Active Year = 2000  "));
        QCOMPARE(h.ui.SmYr->text(), QStringLiteral("2000"));
        QCOMPARE(w.stbTotal->text(), QStringLiteral(" 0  2000  records for category: ALL  "));
        QCOMPARE(h.env.state.LedgerFileName, std::string("2000TSM.DAT"));
        QCOMPARE(h.env.folder.Read("2000cats.dat"), h.env.folder.Read("1999CATS.DAT"));
    }

    void newYearWithoutCategories() {
        MainScreenHarness h;
        QVERIFY(Prepare(h));
        frmMainScreen& w = *h.window;
        ChooseYear(h, 2, {Answer::No});
        QCOMPARE(h.env.dialogs.messages.size(), 1u);
        QCOMPARE(w.CatList->model()->rowCount(), 0);
        QCOMPARE(w.stbYear->text(), QStringLiteral("  Active Year = 2001  "));
        // Back to 1999: its categories are there, so nothing is asked.
        Spin(h, -2);
        QCOMPARE(h.ui.CurYear->text(), QStringLiteral("1999"));
        h.Click(h.ui.SetYear);
        QCOMPARE(h.env.dialogs.messages.size(), 1u);
        QCOMPARE(w.CatList->model()->rowCount(), 2);
        QCOMPARE(w.ItemList->model()->rowCount(), 1);
    }

    void cancelKeepsTheActiveYear() {
        MainScreenHarness h;
        QVERIFY(Prepare(h));
        frmMainScreen& w = *h.window;
        Spin(h, -1);
        QCOMPARE(h.ui.CurYear->text(), QStringLiteral("1998"));
        h.Click(h.ui.YearOff);
        QVERIFY(!h.ui.YearEdFrame->isVisible());
        QVERIFY(w.ItemList->isEnabled() && w.ToolbarTSM->isEnabled());
        QCOMPARE(h.ui.CurYear->text(), QStringLiteral("1999"));
        QCOMPARE(h.env.state.LedgerFileName, std::string("1999TSM.DAT"));
        // "Click for All Categories" afterwards still lists 1999.
        h.Click(w.FullYear);
        QCOMPARE(w.ItemList->model()->rowCount(), 1);
        QCOMPARE(w.CatList->model()->rowCount(), 2);
        QVERIFY(h.env.dialogs.messages.empty());
    }

    // Opened again after spinning away and cancelling: label and spinner both
    // show the active year; Enter answers OK!, Escape cancels.
    void reopenShowsActiveYearAndKeysWork() {
        MainScreenHarness h;
        QVERIFY(Prepare(h));
        frmMainScreen& w = *h.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));  // keys reach the frame's shortcuts
        Spin(h, 2);
        QTest::keyClick(h.ui.DataYear, Qt::Key_Escape);
        QVERIFY(!h.ui.YearEdFrame->isVisible());
        w.mnuYear->trigger();
        QCOMPARE(h.ui.CurYear->text(), QStringLiteral("1999"));
        QCOMPARE(h.ui.DataYear->value(), 1999);
        QTest::keyClick(h.ui.DataYear, Qt::Key_Up);
        h.env.dialogs.answers = {Answer::No};
        QTest::keyClick(h.ui.DataYear, Qt::Key_Return);
        QVERIFY(!h.ui.YearEdFrame->isVisible());
        QCOMPARE(h.env.state.LedgerFileName, std::string("2000TSM.DAT"));
        w.mnuYear->trigger();
        QCOMPARE(h.ui.CurYear->text(), QStringLiteral("2000"));
        QCOMPARE(h.ui.DataYear->value(), 2000);
    }
};

QTEST_MAIN(tst_yearselector)
#include "tst_yearselector.moc"
