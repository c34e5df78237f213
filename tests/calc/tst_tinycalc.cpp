// TinyCalc through its real buttons and boxes, and its opening from the main
// window (beside it, one at a time, the main window still usable).
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "calc/ui/TinyCalc.h"
#include "mainscreen/MainScreenHarness.h"
#include "support/Unnamed.h"
#include "widgets/OwnedWindow.h"

using namespace tessamo;

class tst_tinycalc : public QObject {
    Q_OBJECT

    static void Type(QLineEdit* box, const QString& text) {
        box->clear();
        QTest::keyClicks(box, text);
    }
    static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static QPushButton* OperatorButton(TinyCalc& calc, const QString& op) {
        return op == "+" ? calc.TCAdd : op == "-" ? calc.TCSub : op == "x" ? calc.TCMul : calc.TCDiv;
    }

private slots:
    void computes_data() {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<QString>("result");
        QTest::newRow("sum") << "12" << "+" << "30" << " 42";
        QTest::newRow("quotient") << "10" << "/" << "4" << " 2.5";
        QTest::newRow("negative") << "2" << "-" << "5" << "-3";
        QTest::newRow("below one") << "1" << "/" << "3" << " .333333333333333";
        QTest::newRow("comma ends the number") << "1,000" << "+" << "" << " 1";
        QTest::newRow("both empty") << "" << "+" << "" << " 0";
        QTest::newRow("product") << "2.5" << "x" << "-4" << "-10";
        QTest::newRow("division by zero") << "7" << "/" << "0" << "Division by zero";
    }
    void computes() {
        QFETCH(QString, top);
        QFETCH(QString, op);
        QFETCH(QString, bottom);
        QFETCH(QString, result);
        TinyCalc calc;
        calc.show();
        Type(calc.TCTopNum, top);
        Type(calc.TCBotNum, bottom);
        Click(OperatorButton(calc, op));
        QCOMPARE(calc.TCOp->text(), op);
        Click(calc.TCCompute);
        QCOMPARE(calc.TCResult->text(), result);
    }

    void resultOnTopChainsAndClearKeepsTheOperator() {
        TinyCalc calc;
        calc.show();
        Type(calc.TCTopNum, "12");
        Type(calc.TCBotNum, "30");
        QTest::keyClick(calc.TCBotNum, Qt::Key_Return);  // Enter computes
        QCOMPARE(calc.TCResult->text(), QStringLiteral(" 42"));
        Click(calc.TCRepeat);
        QCOMPARE(calc.TCTopNum->text(), QStringLiteral(" 42"));
        QVERIFY(calc.TCBotNum->text().isEmpty() && calc.TCResult->text().isEmpty());
        Type(calc.TCBotNum, "8");
        Click(calc.TCCompute);
        QCOMPARE(calc.TCResult->text(), QStringLiteral(" 50"));

        // Division by zero leaves the window usable.
        Click(calc.TCDiv);
        Type(calc.TCBotNum, "0");
        Click(calc.TCCompute);
        QCOMPARE(calc.TCResult->text(), QStringLiteral("Division by zero"));
        Click(calc.TCClear);
        QCOMPARE(calc.TCOp->text(), QStringLiteral("/"));
        QVERIFY(calc.TCTopNum->text().isEmpty() && calc.TCBotNum->text().isEmpty() && calc.TCResult->text().isEmpty());
    }

    void operatorKeysOutsideTheBoxes() {
        TinyCalc calc;
        calc.show();
        const std::pair<const char*, const char*> keys[] = {{"*", "x"}, {"-", "-"}, {"/", "/"}, {"x", "x"}, {"+", "+"}};
        for (const auto& [key, op] : keys) {
            QTest::keyClicks(calc.TCCompute, QString::fromLatin1(key));
            QCOMPARE(calc.TCOp->text(), QString::fromLatin1(op));
        }
        QTest::keyClicks(calc.TCTopNum, "-5");  // in a box the key is typed
        QCOMPARE(calc.TCTopNum->text(), QStringLiteral("-5"));
        QCOMPARE(calc.TCOp->text(), QStringLiteral("+"));
        QVERIFY2(UnnamedControls(&calc).isEmpty(), qPrintable(UnnamedControls(&calc).join(' ')));
    }

    void opensBesideTheMainWindowOnce() {
        MainScreenHarness h;
        QVERIFY(h.Load());
        frmMainScreen& w = *h.window;
        QVERIFY(w.mnuTinyCalc->isEnabled());
        w.mnuTinyCalc->trigger();
        auto* calc = RaiseOpenWindow<TinyCalc>(&w);
        QVERIFY(calc && calc->isVisible());
        QCOMPARE(calc->windowTitle(), QStringLiteral("TinyCalc"));
        QVERIFY(w.isEnabled());
        Type(calc->TCTopNum, "5");
        w.mnuTinyCalc->trigger();
        QCOMPARE(RaiseOpenWindow<TinyCalc>(&w), calc);
        QCOMPARE(calc->TCTopNum->text(), QStringLiteral("5"));
        QPointer<TinyCalc> closed(calc);
        calc->tcmnuExit->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        QVERIFY(w.isEnabled());
    }
};

QTEST_MAIN(tst_tinycalc)
#include "tst_tinycalc.moc"
