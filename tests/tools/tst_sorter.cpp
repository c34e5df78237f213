// The sorter window from the main window: a run to "Finished!", Stop during a
// long sort, and the main window given back however the window closes.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <random>

#include "mainscreen/MainScreenHarness.h"
#include "support/Unnamed.h"
#include "tools/ui/frmSorter.h"
#include "widgets/OwnedWindow.h"

using namespace tessamo;

class tst_sorter : public QObject {
    Q_OBJECT

    static frmSorter* Open(MainScreenHarness& h) {
        h.window->ToolbarButton(QStringLiteral("tbbSort"))->trigger();
        return RaiseOpenWindow<frmSorter>(h.window.get());
    }
    // Lets a closed window go (it is deleted once no run is under way).
    static void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private slots:
    void startSortsOnceAndFinishes() {
        MainScreenHarness h;
        h.env.PutLedger({Line("01-01-99", "AA", -1), Line("03-01-99", "BB", -1), Line("02-01-99", "CC", -1)});
        QVERIFY(h.Load());
        frmSorter* sorter = Open(h);
        QVERIFY(sorter);
        QCOMPARE(sorter->windowTitle(), QStringLiteral("Data File Sorter"));
        QVERIFY(!h.window->isEnabled());
        QVERIFY(sorter->StartSort->isVisible() && !sorter->SorterLabel->isVisible());
        QCOMPARE(sorter->StartSort->text(), QStringLiteral("Start"));
        QCOMPARE(sorter->StopSort->text(), QStringLiteral("Stop!"));
        QVERIFY2(UnnamedControls(sorter).isEmpty(), qPrintable(UnnamedControls(sorter).join(' ')));

        QTest::mouseClick(sorter->StartSort, Qt::LeftButton);
        QCOMPARE(sorter->SorterLabel->text(), QStringLiteral("Finished!"));
        QVERIFY(!sorter->StartSort->isVisible() && sorter->SorterLabel->isVisible());
        QCOMPARE(sorter->ProgressBar1->value(), sorter->ProgressBar1->maximum());
        QCOMPARE(CodesOf(h.env.Ledger()), (std::vector<std::string>{"BB", "CC", "AA"}));
        QCOMPARE(MainScreenHarness::Cell(h.window->ItemList, 0, 2), QStringLiteral("BB"));

        QPointer<frmSorter> closed(sorter);
        QTest::mouseClick(sorter->StopSort, Qt::LeftButton);
        Settle();
        QVERIFY(closed.isNull());
        QVERIFY(h.window->isEnabled());
    }

    void stopDuringALongSortLeavesTheLedgerAsItWas() {
        MainScreenHarness h;
        std::vector<LedgerRecord> ledger;
        std::mt19937 random(7);
        for (int i = 0; i < 50000; ++i) {
            char date[9];
            std::snprintf(date, sizeof date, "%02d-%02d-99", 1 + static_cast<int>(random() % 12),
                          1 + static_cast<int>(random() % 28));
            ledger.push_back(Line(date, "FO", -static_cast<std::int64_t>(random() % 100000), "line"));
        }
        h.env.PutLedger(ledger);
        const std::string before = h.env.folder.Read("1999TSM.DAT");
        QVERIFY(h.Load());
        QPointer<frmSorter> sorter(Open(h));
        int passesSeen = 0;
        // Stop is clicked when the sort first handles events, at its first pass.
        QTimer::singleShot(0, sorter, [&] {
            passesSeen = sorter->ProgressBar1->value() + 1;
            QTest::mouseClick(sorter->StopSort, Qt::LeftButton);
        });
        QTest::mouseClick(sorter->StartSort, Qt::LeftButton);
        QCOMPARE(passesSeen, 1);
        Settle();
        QVERIFY(sorter.isNull());
        QVERIFY(h.window->isEnabled());
        QVERIFY(h.env.folder.Read("1999TSM.DAT") == before);
        QVERIFY(!h.env.folder.Exists("tempsort.$$$"));
    }

    void closingAnyWayGivesTheMainWindowBack_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Stop!") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("window manager") << 2;
    }
    void closingAnyWayGivesTheMainWindowBack() {
        QFETCH(int, how);
        MainScreenHarness h;
        QVERIFY(h.Load());
        QPointer<frmSorter> sorter(Open(h));
        QVERIFY(!h.window->isEnabled());
        if (how == 0) QTest::mouseClick(sorter->StopSort, Qt::LeftButton);
        if (how == 1) {
            QTRY_COMPARE(QApplication::activeWindow(), sorter.data());
            QTest::keyClick(sorter, Qt::Key_Escape);
        }
        if (how == 2) sorter->windowHandle()->close();
        Settle();
        QVERIFY(sorter.isNull());
        QVERIFY(h.window->isEnabled());
        QVERIFY(Open(h));  // a fresh window for the next sort
    }
};

QTEST_MAIN(tst_sorter)
#include "tst_sorter.moc"
