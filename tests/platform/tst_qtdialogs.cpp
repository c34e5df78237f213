// The real message boxes and input boxes: what each kind of box shows (text,
// title, icon, buttons, default button), what Enter and Escape answer, and
// which window a box sits over.
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "platform/qt/QtDialogs.h"
#include "support/CatchShow.h"

using namespace tessamo;

Q_DECLARE_METATYPE(tessamo::Message)
Q_DECLARE_METATYPE(tessamo::Answer)

namespace {

struct SeenBox {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QWidget* parent = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
};

// Shows `message` through QtDialogs, notes what the box showed, answers with `key`.
Answer ShowAndAnswer(QtDialogs& dialogs, const Message& message, Qt::Key key, SeenBox& seen) {
    CatchShow catcher([&](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box) return dialog->reject();
        seen = {box->text(),           box->windowTitle(),        box->icon(),
                box->standardButtons(), box->standardButton(box->defaultButton()), box->parentWidget(),
                box->windowModality()};
        QTest::keyClick(box, key);
    });
    return dialogs.Show(message);
}

}  // namespace

class tst_qtdialogs : public QObject {
    Q_OBJECT
private slots:
    void messageBoxes_data() {
        QTest::addColumn<Message>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QMessageBox::StandardButtons>("buttons");
        QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
        QTest::addColumn<Answer>("onEnter");
        QTest::addColumn<Answer>("onEscape");
        QTest::newRow("information") << Message{"Backup done\r\nAll files copied", "Backup",
                                                MessageIcon::Information}
                                     << QMessageBox::Information << QMessageBox::StandardButtons(QMessageBox::Ok)
                                     << QMessageBox::Ok << Answer::Ok << Answer::Ok;
        QTest::newRow("exclamation") << EntryAborted("Bad date") << QMessageBox::Warning
                                     << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok << Answer::Ok
                                     << Answer::Ok;
        QTest::newRow("critical") << Message{"Cannot write 1999TSM.DAT", "Tessamo 2.1", MessageIcon::Critical}
                                  << QMessageBox::Critical << QMessageBox::StandardButtons(QMessageBox::Ok)
                                  << QMessageBox::Ok << Answer::Ok << Answer::Ok;
        QTest::newRow("question, No default") << ConfirmYesNo("Delete this line?", MessageIcon::Question)
                                              << QMessageBox::Question << (QMessageBox::Yes | QMessageBox::No)
                                              << QMessageBox::No << Answer::No << Answer::No;
        QTest::newRow("yes no cancel") << Message{"Save changes?", "Notes", MessageIcon::Exclamation,
                                                  MessageButtons::YesNoCancel, Answer::Yes}
                                       << QMessageBox::Warning
                                       << (QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                                       << QMessageBox::Yes << Answer::Yes << Answer::Cancel;
        QTest::newRow("ok cancel, plain") << Message{"Sort the file?", "Sort", MessageIcon::None,
                                                     MessageButtons::OkCancel, Answer::Cancel}
                                          << QMessageBox::NoIcon << (QMessageBox::Ok | QMessageBox::Cancel)
                                          << QMessageBox::Cancel << Answer::Cancel << Answer::Cancel;
    }
    void messageBoxes() {
        QFETCH(Message, message);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QMessageBox::StandardButtons, buttons);
        QFETCH(QMessageBox::StandardButton, defaultButton);
        QFETCH(Answer, onEnter);
        QFETCH(Answer, onEscape);
        QWidget main;
        QtDialogs dialogs(&main);
        SeenBox seen;
        QCOMPARE(ShowAndAnswer(dialogs, message, Qt::Key_Return, seen), onEnter);
        QString shownText = QString::fromStdString(message.text);
        QCOMPARE(seen.text, shownText.replace("\r\n", "\n"));
        QCOMPARE(seen.title, QString::fromStdString(message.title));
        QCOMPARE(seen.icon, icon);
        QCOMPARE(seen.buttons, buttons);
        QCOMPARE(seen.defaultButton, defaultButton);
        QCOMPARE(ShowAndAnswer(dialogs, message, Qt::Key_Escape, seen), onEscape);
    }

    void inputBox() {
        QWidget main;
        QtDialogs dialogs(&main);
        QString label, title, prefilled;
        QString typed = QStringLiteral("1234");
        CatchShow catcher([&](QDialog* dialog) {
            auto* box = qobject_cast<QInputDialog*>(dialog);
            QVERIFY(box);
            label = box->labelText();
            title = box->windowTitle();
            prefilled = box->textValue();
            if (typed.isNull()) return QTest::keyClick(box, Qt::Key_Escape);
            auto* line = box->findChild<QLineEdit*>();
            line->selectAll();
            QTest::keyClicks(line, typed);
            QTest::keyClick(line, Qt::Key_Return);
        });
        QCOMPARE(dialogs.Input("Passcode?", "Passcode entry", " 12"), std::optional<std::string>("1234"));
        QCOMPARE(label, QStringLiteral("Passcode?"));
        QCOMPARE(title, QStringLiteral("Passcode entry"));
        QCOMPARE(prefilled, QStringLiteral(" 12"));
        typed = QString();
        QCOMPARE(dialogs.Input("Passcode?", "Passcode entry", ""), std::nullopt);
        QCOMPARE(catcher.Caught(), 2);
    }

    // A passcode is typed unseen.
    void secretInputHidesWhatIsTyped() {
        QWidget main;
        QtDialogs dialogs(&main);
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        CatchShow catcher([&](QDialog* dialog) {
            auto* line = dialog->findChild<QLineEdit*>();
            echo = line->echoMode();
            QTest::keyClicks(line, "42");
            QTest::keyClick(line, Qt::Key_Return);
        });
        QCOMPARE(dialogs.SecretInput("Passcode?", "Passcode entry", ""), std::optional<std::string>("42"));
        QCOMPARE(echo, QLineEdit::Password);
    }

    // A box sits over the window that asked, modal to it alone: the active
    // window, else the main window given as fallback.
    void boxSitsOverAskingWindow() {
        QWidget main, report;
        QtDialogs dialogs(&main);
        SeenBox seen;
        // Before the main window is shown (the start-up passcode): centred on
        // the screen, not over a window that is not there yet.
        ShowAndAnswer(dialogs, Message{"No window shown"}, Qt::Key_Return, seen);
        QCOMPARE(seen.parent, nullptr);
        main.show();
        report.show();
        report.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&report));
        ShowAndAnswer(dialogs, Message{"From the report window"}, Qt::Key_Return, seen);
        QCOMPARE(seen.parent, &report);
        QCOMPARE(seen.modality, Qt::WindowModal);
    }

    // Message and input boxes are at least as wide as their title, so the
    // window frame shows it whole.
    void boxesAsWideAsTheirTitle() {
        QWidget main;
        QtDialogs dialogs(&main);
        int width = 0, titleWidth = 0;
        CatchShow catcher([&](QDialog* dialog) {
            QFont bold = dialog->font();
            bold.setBold(true);
            // and room for the frame's buttons beside it
            titleWidth = QFontMetrics(bold).horizontalAdvance(dialog->windowTitle()) + 100;
            width = dialog->width();
            dialog->reject();
        });
        dialogs.Show(Message{"Gone", "Convert date format of existing records"});
        QVERIFY2(width > titleWidth, qPrintable(QString("%1 <= %2").arg(width).arg(titleWidth)));
        dialogs.Input("Find what?", "Search for a word", "");
        QVERIFY2(width > titleWidth, qPrintable(QString("%1 <= %2").arg(width).arg(titleWidth)));
        QCOMPARE(catcher.Caught(), 2);
    }
};

QTEST_MAIN(tst_qtdialogs)
#include "tst_qtdialogs.moc"
