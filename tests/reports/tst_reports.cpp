// The report window through its real controls: opening from the main window,
// months, the category lists, View, Clear, Export without categories, tool tips.
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolTip>

#include "core/ReportCategoryList.h"
#include "platform/CodePage.h"
#include "reports/MakeReport.h"
#include "reports/ReportWindowHarness.h"

using namespace tessamo;

class tst_reports : public QObject {
    Q_OBJECT

    static frmReports* OpenReportWindow() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* reports = qobject_cast<frmReports*>(w); reports && reports->isVisible()) return reports;
        return nullptr;
    }

private slots:
    void opensFromTheMainWindowAndGivesItBack() {
        MainScreenHarness h;
        h.env.PutCategories(kReportCategories);
        QVERIFY(h.Load());
        for (bool byExitEntry : {true, false}) {
            h.window->ToolbarButton(QStringLiteral("tbbReports"))->trigger();
            QPointer<frmReports> w = OpenReportWindow();
            QVERIFY(w);
            QVERIFY(!h.window->isEnabled());
            QCOMPARE(w->windowTitle(), QStringLiteral("Tessamo 2.1 - Reports"));
            QCOMPARE(w->geometry(), h.window->geometry());
            QCOMPARE(w->rsbYear->text(), QStringLiteral("1999"));
            QCOMPARE(w->RepCatList_A->model()->rowCount(), 4);
            QVERIFY(!w->RepToolbarButton("rtbView")->isEnabled() && !w->RepToolbarButton("rtbPrint")->isEnabled());
            byExitEntry ? w->rmnuExit->trigger() : (void)w->close();  // the window manager's close
            QTRY_VERIFY(!w);                                          // deleted when closed
            QVERIFY(h.window->isEnabled());
        }
    }

    void panelsToolTipsAndMenusAsDesigned() {
        ReportWindowHarness h;
        frmReports& w = *h.window;
        const QStringList captions = {"Help", "All Cats", "Pick Cats", "Start", "End",
                                      "Summary", "Full", "View", "Print", "Clear"};
        QStringList shown;
        for (QAction* a : w.RepToolbar->actions()) shown << a->iconText();
        QCOMPARE(shown, captions);
        QCOMPARE(w.RepToolbarButton("rtbStartMonth")->toolTip(), QStringLiteral("Click to push report start up one month"));
        QStringList panels;
        for (QLabel* p : {w.rsbYear, w.rsbCats, w.rsbStartMonth, w.rsbThrough, w.rsbEndMonth, w.rsbRepType, w.RSBic,
                          w.RSBex, w.RSBbal})
            panels << p->text();
        QCOMPARE(panels, QStringList({"1999", "(Select Categories)", "January", "> Through >", "December", "Summary",
                                      "Income", "Expense", "Balance"}));
        QCOMPARE(w.rsbYear->toolTip(), QStringLiteral("Active year  (change at main screen)"));
        // Hovering shows the panel's tip; a cut text shows whole above it.
        const auto hover = [](QLabel* panel) {
            QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), panel->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(panel, &tip);
            return QToolTip::text();
        };
        QTRY_COMPARE(hover(w.rsbYear), w.rsbYear->toolTip());
        const QString longText = QString(200, QLatin1Char('m'));
        w.rsbCats->setText(longText);
        QTRY_COMPARE(hover(w.rsbCats), longText + QLatin1Char('\n') + w.rsbCats->toolTip());
        w.rsbCats->setText(QStringLiteral("(Select Categories)"));
        QCOMPARE(w.frmCatSel->title(), QStringLiteral(" Report Category Selection "));
        QCOMPARE(w.Text1->toolTip(), QStringLiteral("edit with keyboard & mouse"));
        QCOMPARE(w.rmnuFile->actions().first(), w.rmnuExit);  // the system's entry stays first
        QCOMPARE(w.rmnuExit->text(), QStringLiteral("E&xit reports screen"));
        QVERIFY(w.frmCatSel->isVisible());
        QVERIFY(w.frmCatSel->geometry().contains(w.Text1->geometry()));  // it covers the report text
        QVERIFY(QFontInfo(w.Text1->font()).fixedPitch());
    }

    void startAndEndWrap_data() {
        QTest::addColumn<int>("starts");
        QTest::addColumn<int>("ends");
        QTest::addColumn<QString>("lastKey");
        QTest::addColumn<QString>("wantStart");
        QTest::addColumn<QString>("wantEnd");
        QTest::newRow("12 -> 1 leaves the end") << 11 << 0 << "rtbStartMonth" << "January" << "December";
        QTest::newRow("6/6 -> 7/7") << 5 << 6 << "rtbStartMonth" << "July" << "July";
        QTest::newRow("end 1 -> 12") << 0 << 11 << "rtbEndMonth" << "January" << "December";
        QTest::newRow("3/3 -> 2/2") << 2 << 9 << "rtbEndMonth" << "February" << "February";
    }
    void startAndEndWrap() {
        QFETCH(int, starts);
        QFETCH(int, ends);
        QFETCH(QString, lastKey);
        ReportWindowHarness h;
        h.Press("rtbStartMonth", starts);
        h.Press("rtbEndMonth", ends);
        h.Press(lastKey.toLatin1().constData());
        QTEST(h.window->rsbStartMonth->text(), "wantStart");
        QTEST(h.window->rsbEndMonth->text(), "wantEnd");
    }

    void categoriesAddedOnceAndRemoved() {
        ReportWindowHarness h;
        frmReports& w = *h.window;
        h.Add(1);
        h.Add(3);
        h.Add(1);  // on the list already
        QCOMPARE(h.ReportCodes(), QStringList({"FD", "GI"}));
        QCOMPARE(w.rsbCats->text(), QStringLiteral("Selected Categories..."));
        QVERIFY(h.Enabled("rtbView"));
        // By keyboard: Enter on the current row.
        w.RepCatList_A->setFocus();
        w.RepCatList_A->setCurrentIndex(w.RepCatList_A->model()->index(2, 0));
        QTest::keyClick(w.RepCatList_A, Qt::Key_Return);
        QCOMPARE(h.ReportCodes(), QStringList({"FD", "GI", "SA"}));
        h.Remove(1);  // a later row goes alone
        QCOMPARE(h.ReportCodes(), QStringList({"FD", "SA"}));
        h.Remove(0);  // the first row empties the list
        QCOMPARE(h.ReportCodes(), QStringList());
        QCOMPARE(w.rsbCats->text(), QStringLiteral("(Select Categories)"));
        QVERIFY(h.Enabled("rtbView"));  // emptying the list leaves View alone
    }

    void viewShowsTheLogicsReportThenClearStartsOver() {
        ReportWindowHarness h;
        frmReports& w = *h.window;
        h.Press("rtbAll");
        QCOMPARE(h.ReportCodes(), QStringList({"AU", "FD", "SA", "GI"}));
        QCOMPARE(w.rsbCats->text(), QStringLiteral("All Categories!"));
        h.Press("rtbStartMonth");
        h.Press("rtbFull");
        QCOMPARE(w.rsbRepType->text(), QStringLiteral("Full Report"));
        h.Press("rtbView");
        QVERIFY(!w.frmCatSel->isVisible());
        QVERIFY(h.Enabled("rtbPrint"));

        const Result<ReportText> want = MakeReport(h.env.state, kReportCategories, 2, 12, "F");
        QVERIFY(want.ok());
        QString text = QString::fromStdString(Cp1252ToUtf8(want.value().text));
        QCOMPARE(w.Text1->toPlainText(), text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(w.RSBic->text().toStdString(), want.value().status.income);
        QCOMPARE(w.RSBex->text().toStdString(), want.value().status.expense);
        QCOMPARE(w.RSBbal->text().toStdString(), *want.value().status.balance);
        for (const std::string& name : ReportWorkingFiles()) QVERIFY2(!h.env.folder.Exists(name), name.c_str());

        h.Press("rtbSelectCats");
        QVERIFY(w.frmCatSel->isVisible());
        h.Press("rtbClear");
        QCOMPARE(h.ReportCodes(), QStringList());
        QCOMPARE(QStringList({w.RSBic->text(), w.RSBex->text(), w.RSBbal->text(), w.rsbCats->text()}),
                 QStringList({" Income ", " Expense ", " Balance ", "(Select Categories)"}));
        QVERIFY(!h.Enabled("rtbView") && !h.Enabled("rtbPrint"));
        QVERIFY(w.Text1->toPlainText().isEmpty());
        QCOMPARE(w.rsbStartMonth->text(), QStringLiteral("February"));  // months and type stay
        QCOMPARE(w.rsbRepType->text(), QStringLiteral("Full Report"));
    }

    void exportRefusedWithoutCategories() {
        ReportWindowHarness h;
        h.window->rmnuExports->trigger();
        QCOMPARE(h.env.dialogs.Texts(), std::vector<std::string>{"You must select categories first!"});
        QCOMPARE(h.env.dialogs.Last().title, std::string("Tessamo 2.1"));
        QVERIFY(h.window->isEnabled());
        QVERIFY(!h.env.folder.Exists(kReportCategoryFile));
    }

    // The "&Report" menu, after the system's menus, holds the toolbar's own
    // commands: the same actions, so each is enabled exactly as its button.
    void everyToolbarCommandIsInTheReportMenu() {
        ReportWindowHarness h;
        frmReports& w = *h.window;
        const QList<QAction*> bar = w.menuBar()->actions();
        QVERIFY(bar.indexOf(w.mnuReport->menuAction()) > bar.indexOf(w.rmnuOptions->menuAction()));
        QCOMPARE(w.mnuReport->actions(), w.RepToolbar->actions());
        QSet<QChar> keys;
        for (QAction* a : w.mnuReport->actions()) {
            const qsizetype amp = a->text().indexOf(QLatin1Char('&'));
            QVERIFY2(amp >= 0, qPrintable(a->text()));
            keys.insert(a->text().at(amp + 1).toUpper());
            QCOMPARE(QString(a->text()).remove(QLatin1Char('&')), a->iconText());
        }
        QCOMPARE(keys.size(), w.mnuReport->actions().size());
        QCOMPARE(w.RepToolbarButton("rtbView")->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(w.RepToolbarButton("rtbPrint")->shortcut(), QKeySequence(QKeySequence::Print));

        QVERIFY(QTest::qWaitForWindowActive(&w));  // shortcuts reach the active window
        QTest::keyClick(&w, Qt::Key_F5);  // View is off until categories are chosen
        QVERIFY(w.Text1->toPlainText().isEmpty());
        w.RepToolbarButton("rtbAll")->trigger();
        QTest::keyClick(&w, Qt::Key_F5);
        QVERIFY(w.Text1->toPlainText().contains(QStringLiteral("END")));
    }

    // Escape (or any close) after the viewed report was edited asks first;
    // No keeps the window and the text. Unedited, it closes without asking.
    void escapeAfterEditsAsksBeforeLosingThem() {
        ReportWindowHarness h;
        h.Press("rtbAll");
        h.Press("rtbView");
        QTest::keyClicks(h.window->Text1, "my note");
        QVERIFY(QTest::qWaitForWindowActive(h.window));
        h.env.dialogs.answers = {Answer::No};
        QTest::keyClick(h.window, Qt::Key_Escape);
        QVERIFY(h.window && h.window->isVisible());
        QCOMPARE(h.env.dialogs.messages.size(), std::size_t(1));
        QVERIFY(h.window->Text1->toPlainText().contains(QStringLiteral("my note")));
        QCOMPARE(h.env.dialogs.Last().text, std::string("Close the report and lose your changes?"));
        QCOMPARE(h.env.dialogs.Last().defaultButton, Answer::No);
        h.env.dialogs.answers = {Answer::Yes};
        QTest::keyClick(h.window, Qt::Key_Escape);
        QTRY_VERIFY(!h.window);

        ReportWindowHarness unedited;
        unedited.Press("rtbAll");
        unedited.Press("rtbView");
        QVERIFY(QTest::qWaitForWindowActive(unedited.window));
        QTest::keyClick(unedited.window, Qt::Key_Escape);
        QTRY_VERIFY(!unedited.window);
        QVERIFY(unedited.env.dialogs.messages.empty());
    }

    void toolTipsOffBlanksEveryTip() {
        ReportWindowHarness h;
        frmReports& w = *h.window;
        w.rmnuTTO->trigger();
        QVERIFY(!w.rmnuTTO->isChecked() && !w.rmnuTTO->isEnabled());
        h.Add(0);  // enables View: its button takes the action's look again
        for (QWidget* widget : w.findChildren<QWidget*>())
            QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
    }
};

QTEST_MAIN(tst_reports)
#include "tst_reports.moc"
