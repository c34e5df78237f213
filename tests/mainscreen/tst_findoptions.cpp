// Find a word, notes, and the Options menu in the real main window.
#include <QApplication>
#include <QHelpEvent>
#include <QToolBar>
#include <QToolTip>

#include "core/Settings.h"
#include "mainscreen/MainScreenHarness.h"
#include "platform/qt/NotepadWindow.h"

using namespace tessamo;

class tst_findoptions : public QObject {
    Q_OBJECT

    static std::vector<LedgerRecord> Lines() {
        return {Line("03-14-99", "HO", Money(-500), "Paid rent"), Line("03-10-99", "FO", Money(-30), "Groceries"),
                Line("03-07-99", "AU", Money(-45), "RENTAL car")};
    }
    static QString Settings(MainScreenHarness& h) { return QString::fromLatin1(h.env.folder.Read("PERSONAL.DAT")); }

private slots:
    void init() { qunsetenv("TESSAMO_EDITOR"); }

    void findWalksTheMatches() {
        MainScreenHarness h;
        h.env.PutLedger(Lines());
        QVERIFY(h.Load());
        frmMainScreen& w = *h.window;
        h.env.dialogs.inputs = {"rent"};
        h.env.dialogs.answers = {Answer::No};
        w.ToolbarButton(QStringLiteral("tbbFind"))->trigger();
        QCOMPARE(w.ItemList->currentIndex().row(), 0);
        QCOMPARE(h.env.dialogs.Texts(), (std::vector<std::string>{"Find next?"}));

        h.env.dialogs.messages.clear();
        h.env.dialogs.inputs = {std::string("rent")};
        h.env.dialogs.answers = {Answer::Yes};
        w.mnuFind->trigger();
        QCOMPARE(h.env.dialogs.prompts.back().defaultText, std::string("RENT"));
        QCOMPARE(w.ItemList->currentIndex().row(), 2);
        QCOMPARE(h.Cell(w.ItemList, w.ItemList->currentIndex().row(), 3), QStringLiteral("RENTAL car"));
        QCOMPARE(h.env.dialogs.Texts(), (std::vector<std::string>{"Find next?", "That's all!"}));
    }

    void dateFormatStoredAlone() {
        MainScreenHarness h;
        QVERIFY(h.Load());
        const QString before = Settings(h);
        h.env.dialogs.answers = {Answer::Yes};
        h.window->mnuDateFormat->trigger();
        QCOMPARE(h.env.dialogs.Last().text, std::string("Date format set to DD-MM-YY (E)"));
        QString expected = before;
        expected[95] = 'E';
        QCOMPARE(Settings(h), expected);
        QCOMPARE(h.env.state.DateStyle, std::string("E"));
    }

    void converterTwiceRestoresTheFile() {
        MainScreenHarness h;
        h.env.PutLedger(Lines());
        QVERIFY(h.Load());
        frmMainScreen& w = *h.window;
        const std::string original = h.env.folder.Read("1999TSM.DAT");
        h.ClickCell(w.CatList, 0, 0);  // whatever is listed, the conversion lists the whole year
        h.env.dialogs.answers = {Answer::Yes};
        w.mnuDateConvert->trigger();
        QCOMPARE(h.env.dialogs.Last().title, std::string("Convert date format of existing records"));
        QCOMPARE(h.Cell(w.ItemList, 2, 0), QStringLiteral("07-03-99"));
        QCOMPARE(w.ItemList->model()->rowCount(), 3);
        QCOMPARE(QString::fromStdString(h.env.state.CurrentCategory), QStringLiteral("all"));
        h.env.dialogs.answers = {Answer::Yes};
        w.mnuDateConvert->trigger();
        QCOMPARE(h.env.folder.Read("1999TSM.DAT"), original);
        w.mnuDateConvert->trigger();  // No (the default): nothing changes
        QCOMPARE(h.env.folder.Read("1999TSM.DAT"), original);
    }

    void passCodeFromTheToolbar() {
        MainScreenHarness h;
        QVERIFY(h.Load());
        auto stored = [&] { return SettingsRecord::FromBytes(h.env.folder.Read("PERSONAL.DAT")).PassCode(); };
        for (const char* entry : {"12x4", "987654", "0042", "0000"}) {
            h.env.dialogs.inputs = {std::string(entry)};
            h.window->ToolbarButton(QStringLiteral("tbbSetup"))->trigger();
            if (std::string(entry) == "12x4") QCOMPARE(stored(), std::int16_t(0));
            if (std::string(entry) == "987654") QCOMPARE(stored(), std::int16_t(9876));
        }
        QCOMPARE(stored(), std::int16_t(0));
        QCOMPARE(h.env.dialogs.Texts(),
                 (std::vector<std::string>{"Bad Code! Try again...", "Your passcode is set to: 9876\r\nDont't forget!",
                                           "Your passcode is set to: 42\r\nDont't forget!",
                                           "The start-up passcode is turned off: no passcode will be asked at start."}));
    }

    void userNamePadded() {
        MainScreenHarness h;
        QVERIFY(h.Load());
        h.env.dialogs.inputs = {"Jo"};
        h.window->mnuUserName->trigger();
        QCOMPARE(h.env.folder.Read("PERSONAL.DAT").substr(0, 28), "Jo" + std::string(26, ' '));
        QCOMPARE(h.env.state.UserName, "Jo" + std::string(26, ' '));
    }

    void notesOpenBesideTheWindow() {
        MainScreenHarness h;
        h.env.folder.Write("1999_TSM.NTS", "old note\r\n");
        QVERIFY(h.Load());
        h.window->ToolbarButton(QStringLiteral("tbbNotes"))->trigger();
        NotepadWindow* pad = h.window->findChild<NotepadWindow*>();
        QVERIFY(pad && pad->isVisible() && !pad->isModal());
        QVERIFY(pad->path().endsWith("/1999_TSM.NTS"));  // found whatever its letter case
        QVERIFY(h.window->isEnabled());
        QVERIFY(h.env.dialogs.messages.empty());
    }

    void toolTipsOffForTheRun() {
        MainScreenHarness h;
        QVERIFY(h.Load());
        frmMainScreen& w = *h.window;
        QWidget* button = w.ToolbarTSM->widgetForAction(w.ToolbarButton(QStringLiteral("tbbFind")));
        // Whether a tool tip shows when the pointer rests on the button.
        auto tipShows = [&] {
            QToolTip::hideText();
            if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); })) return true;  // an old tip stays up
            QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(button, &tip);
            return QToolTip::isVisible();
        };
        QVERIFY(tipShows());
        QCOMPARE(QToolTip::text(), QStringLiteral("Find a Word"));
        QVERIFY(w.mnuTTO->isChecked() && w.mnuTTO->isEnabled());
        w.mnuTTO->trigger();
        QVERIFY(!w.mnuTTO->isChecked());
        QVERIFY(!w.mnuTTO->isEnabled());
        QVERIFY(h.ui.CatEdSave->toolTip().isEmpty());
        QVERIFY(h.ui.CatEdCatCode->toolTip().isEmpty());
        QVERIFY(h.ui.SmCatList->toolTip().isEmpty());
        QVERIFY(!tipShows());
    }
};

QTEST_MAIN(tst_findoptions)
#include "tst_findoptions.moc"
