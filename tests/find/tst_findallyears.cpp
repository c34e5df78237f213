// The search window by keyboard over two years beside a real main window:
// Ctrl+Shift+F opens it, a typed word lists the lines of both years, the
// arrow keys move through them and Enter opens one in its year; a change in
// the main window searches again; the found lines saved as CSV and PDF.
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>

#include "find/ui/FoundLinesModel.h"
#include "find/ui/frmFindAllYears.h"
#include "mainscreen/MainScreenHarness.h"
#include "support/Unnamed.h"
#include "widgets/OwnedWindow.h"
#include "widgets/StatusPanels.h"

using namespace tessamo;

class tst_findallyears : public QObject {
    Q_OBJECT

    // Rent and food lines in 1999 (active) and 1998.
    static void Prepare(MainScreenHarness& h) {
        const std::vector<CategoryRecord> categories = {CategoryRecord::Make("GR", "Groceries"),
                                                        CategoryRecord::Make("RE", "Rent")};
        h.env.PutCategories(categories);
        h.env.PutLedger({Line("03-01-99", "RE", Money(-700), "Rent March"), Line("02-01-99", "GR", Money(-50), "food")});
        h.env.folder.Write("1998CATS.DAT", EncodeRecords(categories));
        h.env.folder.Write("1998TSM.DAT", EncodeRecords(std::vector<LedgerRecord>{
                                              Line("12-01-98", "GR", Money(-10), "food"),
                                              Line("11-01-98", "RE", Money(-650), "rent november")}));
    }

    // Ctrl+Shift+F, then "RENT" typed: the window with its two lines.
    static frmFindAllYears* FindRent(MainScreenHarness& h) {
        QTest::keyClick(h.window.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        auto* w = RaiseOpenWindow<frmFindAllYears>(h.window.get());
        if (!w || !QTest::qWaitForWindowActive(w)) return nullptr;
        QTest::keyClicks(w->FindWords, QStringLiteral("RENT"));
        w->RunSearch();
        return w;
    }

private slots:
    void typeMoveAndOpenInItsYear() {
        MainScreenHarness h;
        Prepare(h);
        QVERIFY(h.LoadActive());
        QTest::keyClick(h.window.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QPointer<frmFindAllYears> w = RaiseOpenWindow<frmFindAllYears>(h.window.get());
        QVERIFY(w);
        QVERIFY2(UnnamedControls(w).isEmpty(), qPrintable(UnnamedControls(w).join(' ')));
        QVERIFY(QTest::qWaitForWindowActive(w));

        QTRY_COMPARE(QApplication::focusWidget(), w->FindWords);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("RENT"));
        QTRY_COMPARE(w->Results()->rowCount(), 2);
        QCOMPARE(MainScreenHarness::Cell(w->FoundLines, 0, 4), QStringLiteral("Rent March"));
        QCOMPARE(MainScreenHarness::Cell(w->FoundLines, 1, 0), QStringLiteral("1998-11-01"));
        QCOMPARE(StatusPanel(w->FindStatusBar, QStringLiteral("FindCount"))->text(), QStringLiteral("2 lines found"));
        QCOMPARE(StatusPanel(w->FindStatusBar, QStringLiteral("FindExpense"))->text(),
                 QStringLiteral("  Expense = ($1,350.00)  "));

        // Down from the criteria goes to the lines; Enter opens the second in 1998.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), w->FoundLines);
        QTest::keyClick(w->FoundLines, Qt::Key_Down);
        QTest::keyClick(w->FoundLines, Qt::Key_Return);
        QCOMPARE(h.env.state.CurYear, std::string("1998"));
        QCOMPARE(h.window->ItemList->currentIndex().row(), 1);
        QCOMPARE(MainScreenHarness::Cell(h.window->ItemList, 1, 3), QStringLiteral("rent november"));
        QVERIFY(w && w->isVisible());  // it stays open for the next line
    }

    void aChangeInTheMainWindowSearchesAgain() {
        MainScreenHarness h(true);
        Prepare(h);
        QVERIFY(h.LoadActive());
        frmFindAllYears* w = FindRent(h);
        QVERIFY(w && w->Results()->rowCount() == 2);
        w->FoundLines->setCurrentIndex(w->Results()->index(1, 0));  // rent november
        h.AddLine(1, QStringLiteral("20"), QStringLiteral("rent garage"), true);
        QTRY_COMPARE(w->Results()->rowCount(), 3);
        QCOMPARE(MainScreenHarness::Cell(w->FoundLines, w->FoundLines->currentIndex().row(), 4),
                 QStringLiteral("rent november"));
        h.window->mnuUndo->trigger();
        QTRY_COMPARE(w->Results()->rowCount(), 2);
    }

    void foundLinesSavedAsCsvAndPdf() {
        struct Case {
            const char* action;
            const char* name;
            const char* expected;  // the expected file, or "" for any bytes
        };
        const Case cases[] = {{"fmnuExport", "found.csv", "find/found_rent.csv"}, {"fmnuSavePdf", "found.pdf", ""}};
        MainScreenHarness h;
        Prepare(h);
        QVERIFY(h.LoadActive());
        frmFindAllYears* w = FindRent(h);
        QVERIFY(w);
        TempFolder out;
        for (const Case& c : cases) {
            h.env.dialogs.files = {out.PathOf(c.name)};
            w->findChild<QAction*>(QString::fromLatin1(c.action))->trigger();
            const std::string bytes = out.Read(c.name);
            if (!*c.expected) {
                QVERIFY2(bytes.rfind("%PDF", 0) == 0, c.name);
                continue;
            }
            std::string expected;
            RequireOk(PosixFileSystem(TESSAMO_TEST_DATA).ReadAll(c.expected, expected));
            QCOMPARE(bytes, expected);
        }
        QVERIFY(h.env.dialogs.messages.empty());
    }
};

QTEST_MAIN(tst_findallyears)
#include "tst_findallyears.moc"
