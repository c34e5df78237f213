#include <algorithm>
// The budget window beside a real main window on a 1999 folder: its entry
// after the Edit menu's, the figures and bar states, editing a budget by
// keyboard with the two save buttons, and new figures after a new line.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "budgets/BudgetFile.h"
#include "budgets/ui/BudgetTableModel.h"
#include "budgets/ui/BudgetWindow.h"
#include "mainscreen/MainScreenHarness.h"
#include "support/Unnamed.h"
#include "widgets/OwnedWindow.h"

using namespace tessamo;

class tst_budgetwindow : public QObject {
    Q_OBJECT

    // Groceries with a March budget of 200.00, Rent without one.
    static void PutYear(MainScreenHarness& h) {
        h.env.PutCategories({CategoryRecord::Make("GR", "Groceries"), CategoryRecord::Make("RE", "Rent")});
        h.env.PutLedger({Line("03-02-99", "GR", Money(-150)), Line("03-01-99", "RE", Money(-700))});
        YearBudgets budgets;
        budgets.Set("GR", 0, Money(-200));
        h.env.folder.Write(BudgetFileName("1999"), budgets.FileText());
    }

    static BudgetWindow* Open(MainScreenHarness& h) {
        h.window->mnuBudgets->trigger();
        return RaiseOpenWindow<BudgetWindow>(h.window.get());
    }

    // A key as the user presses it: to the control that has the focus.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::AltModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    static QString Cell(BudgetWindow* w, int row, int column) { return MainScreenHarness::Cell(w->BudgetTable, row, column); }

private slots:
    void showsTheMonthAndFollowsANewLine() {
        MainScreenHarness h;
        PutYear(h);
        QVERIFY(h.Load());
        const QList<QAction*> edit = h.window->mnuEdit->actions();
        QVERIFY(std::any_of(edit.begin(), edit.end(), [](QAction* a) { return a->text() == QString::fromUtf8("&Budgets\u2026"); }));
        BudgetWindow* w = Open(h);
        QVERIFY(w);
        QVERIFY(h.window->isEnabled());  // the main window stays usable beside it
        QVERIFY2(UnnamedControls(w).isEmpty(), qPrintable(UnnamedControls(w).join(' ')));
        QCOMPARE(w->MonthChoice->currentText(), QStringLiteral("March"));  // today's month
        QCOMPARE(Cell(w, 0, BudgetTableModel::BudgetColumn), QStringLiteral("($200.00)"));
        QCOMPARE(Cell(w, 0, BudgetTableModel::ActualColumn), QStringLiteral("($150.00)"));
        QCOMPARE(Cell(w, 0, BudgetTableModel::LeftColumn), QStringLiteral("($50.00)"));
        QCOMPARE(Cell(w, 0, BudgetTableModel::UsedColumn), QStringLiteral("75.0 %, within"));
        QCOMPARE(Cell(w, 0, BudgetTableModel::RateColumn), QStringLiteral("($310.00)"));  // 150 / 15 x 31
        QCOMPARE(Cell(w, 1, BudgetTableModel::BudgetColumn), QString());             // Rent: none, not zero
        QCOMPARE(Cell(w, 0, BudgetTableModel::YearBudgetColumn), QStringLiteral("($2,400.00)"));

        h.AddLine(0, QStringLiteral("40"), QStringLiteral("more food"), true);
        QCOMPARE(Cell(w, 0, BudgetTableModel::ActualColumn), QStringLiteral("($190.00)"));
        QCOMPARE(Cell(w, 0, BudgetTableModel::UsedColumn), QStringLiteral("95.0 %, near"));
        h.AddLine(0, QStringLiteral("20"), QStringLiteral("and more"), true);
        QCOMPARE(Cell(w, 0, BudgetTableModel::UsedColumn), QStringLiteral("105.0 %, over"));

        w->MonthChoice->setCurrentIndex(3);  // April: no lines
        QCOMPARE(Cell(w, 0, BudgetTableModel::ActualColumn), QStringLiteral("$0.00"));
        QCOMPARE(Cell(w, 0, BudgetTableModel::RateColumn), QString());
        // Closed, it is gone: nothing is left to refresh.
        QPointer<BudgetWindow> open(w);
        MainScreenHarness::Click(w->CloseButton);
        QTRY_VERIFY(!open);
    }

    void editsABudgetByKeyboard() {
        MainScreenHarness h;
        PutYear(h);
        QVERIFY(h.LoadActive());
        BudgetWindow* w = Open(h);
        QVERIFY(w);
        w->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(w));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->BudgetTable));
        Press(Qt::Key_Down, Qt::NoModifier);  // Rent
        QCOMPARE(w->EditedCategory->text(), QStringLiteral("RE Rent"));
        Press(Qt::Key_B);
        QVERIFY(w->BudgetAmount->hasFocus());
        QTest::keyClicks(w->BudgetAmount, QStringLiteral("$1,000"));
        Press(Qt::Key_V);  // this month only
        QTRY_VERIFY(!w->EveryMonth->isChecked());  // a key press clicks as the mouse does, a moment later
        Press(Qt::Key_E);
        QTRY_COMPARE(Cell(w, 1, BudgetTableModel::BudgetColumn), QStringLiteral("($1,000.00)"));
        QCOMPARE(Cell(w, 1, BudgetTableModel::YearBudgetColumn), QStringLiteral("($1,000.00)"));
        QCOMPARE(Cell(w, 1, BudgetTableModel::UsedColumn), QStringLiteral("70.0 %, within"));

        // An income budget, a refused zero, and clearing.
        MainScreenHarness::Type(w->BudgetAmount, QStringLiteral("500"));
        Press(Qt::Key_I);
        QTRY_COMPARE(Cell(w, 1, BudgetTableModel::BudgetColumn), QStringLiteral("$500.00"));
        MainScreenHarness::Type(w->BudgetAmount, QStringLiteral("0"));
        Press(Qt::Key_E);
        QTRY_COMPARE(h.env.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(Cell(w, 1, BudgetTableModel::BudgetColumn), QStringLiteral("$500.00"));
        w->BudgetTable->setFocus();
        Press(Qt::Key_L);
        QTRY_COMPARE(Cell(w, 1, BudgetTableModel::BudgetColumn), QString());
        YearBudgets budgets;
        QVERIFY(LoadBudgets(h.env.files, "1999", budgets).ok());
        QVERIFY(!budgets.Find("RE"));
        QVERIFY(budgets.Find("GR"));
    }

    void tellsADamagedFileOnceAndSavesNothingOverIt() {
        MainScreenHarness h;
        PutYear(h);
        h.env.folder.Write(BudgetFileName("1999"), "not a budget file\n");
        QVERIFY(h.Load());
        BudgetWindow* w = Open(h);
        QVERIFY(w);
        QCOMPARE(h.env.dialogs.messages.size(), std::size_t(1));
        QVERIFY(h.env.dialogs.Last().text.find("damaged budget file") != std::string::npos);
        QVERIFY(!w->SaveAsExpense->isEnabled());
        h.AddLine(0, QStringLiteral("1"), QStringLiteral("x"), true);
        QCOMPARE(h.env.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(h.env.folder.Read(BudgetFileName("1999")), std::string("not a budget file\n"));
    }
};

QTEST_MAIN(tst_budgetwindow)
#include "tst_budgetwindow.moc"
