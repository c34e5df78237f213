// The notes editor stand-in: the built-in notepad window and TESSAMO_EDITOR.
#include <QApplication>
#include <QPlainTextEdit>
#include <QtTest>

#include <filesystem>
#include <memory>

#include "platform/qt/NotepadWindow.h"
#include "platform/PosixFileSystem.h"
#include "platform/qt/QtTextEditor.h"
#include "platform/qt/QtDialogs.h"
#include "support/CatchShow.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

using namespace tessamo;

class tst_notepad : public QObject {
    Q_OBJECT

    static NotepadWindow* OpenWindow() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* pad = qobject_cast<NotepadWindow*>(w); pad && pad->isVisible()) return pad;
        return nullptr;
    }
    static QPlainTextEdit* Text(NotepadWindow* pad) { return pad->findChild<QPlainTextEdit*>("NotepadText"); }

private slots:
    void init() { qunsetenv("TESSAMO_EDITOR"); }
    void cleanup() {
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<NotepadWindow*>(w)) windows << w;
        qDeleteAll(windows);
    }

    void createsTheFileOnlyWhenSaved() {
        TempFolder folder;
        ScriptedDialogs dialogs;
        PosixFileSystem files(folder.path());
        QtTextEditor editor(nullptr, dialogs, files);
        const std::string path = folder.PathOf("1999_tsm.nts");
        QVERIFY(editor.Open(path).ok());
        NotepadWindow* pad = OpenWindow();
        QVERIFY(pad);
        QVERIFY(!pad->isModal());
        QVERIFY(!folder.Exists("1999_tsm.nts"));
        QTest::keyClicks(Text(pad), "Call Zo");
        Text(pad)->insertPlainText(QString::fromUtf8("ë"));
        QTest::keyClick(Text(pad), Qt::Key_Return);
        QTest::keyClicks(Text(pad), "about rent");
        QVERIFY(pad->windowTitle().startsWith('*'));
        pad->findChild<QAction*>("NotepadSave")->trigger();
        QCOMPARE(folder.Read("1999_tsm.nts"), std::string("Call Zo\xEB\r\nabout rent"));
        QVERIFY(!folder.Exists("tempnote.$$$"));
        QCOMPARE(pad->windowTitle(), QString("1999_tsm.nts - Notes"));
        pad->close();
        QVERIFY(dialogs.messages.empty());
    }

    // The report, sorter and backup windows disable the main window; the notes
    // stay editable and savable meanwhile, and go when the main window goes.
    void staysUsableWhileTheMainWindowIsDisabled() {
        TempFolder folder;
        ScriptedDialogs dialogs;
        PosixFileSystem files(folder.path());
        auto main = std::make_unique<QWidget>();
        QtTextEditor editor(main.get(), dialogs, files);
        QVERIFY(editor.Open(folder.PathOf("1999_tsm.nts")).ok());
        QPointer<NotepadWindow> pad = OpenWindow();
        main->setEnabled(false);
        QVERIFY(pad->isEnabled() && Text(pad)->isEnabled());
        QTest::keyClicks(Text(pad), "rent");
        pad->findChild<QAction*>("NotepadSave")->trigger();
        QCOMPARE(folder.Read("1999_tsm.nts"), std::string("rent"));
        main.reset();
        QVERIFY(!pad);
    }

    // "Save changes?" sits over the notes window even while the main window
    // is the active one, so closing the notes does not pull the main window up.
    void saveQuestionBelongsToTheNotesWindow() {
        TempFolder folder;
        QWidget main;
        QtDialogs dialogs(&main);
        PosixFileSystem files(folder.path());
        QtTextEditor editor(&main, dialogs, files);
        QVERIFY(editor.Open(folder.PathOf("1999_tsm.nts")).ok());
        NotepadWindow* pad = OpenWindow();
        QTest::keyClicks(Text(pad), "rent");
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QWidget* over = nullptr;
        CatchShow catcher([&](QDialog* box) {
            over = box->parentWidget();
            QTest::keyClick(box, Qt::Key_Escape);  // Cancel: the window stays
        });
        QVERIFY(!pad->close());
        QCOMPARE(over, pad);
    }

    void opensAnExistingFileAndAsksBeforeLosingChanges() {
        TempFolder folder;
        folder.Write("1999_tsm.nts", "line one\r\nline two\r\n");
        ScriptedDialogs dialogs;
        PosixFileSystem files(folder.path());
        QtTextEditor editor(nullptr, dialogs, files);
        QVERIFY(editor.Open(folder.PathOf("1999_tsm.nts")).ok());
        QVERIFY(editor.Open(folder.PathOf("1999_tsm.nts")).ok());  // the same window again
        NotepadWindow* pad = OpenWindow();
        QCOMPARE(Text(pad)->toPlainText(), QString("line one\nline two\n"));
        int windows = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) windows += qobject_cast<NotepadWindow*>(w) && w->isVisible();
        QCOMPARE(windows, 1);

        Text(pad)->moveCursor(QTextCursor::End);
        QTest::keyClicks(Text(pad), "three");
        dialogs.answers = {Answer::Cancel, Answer::Yes};
        QVERIFY(!pad->close());
        QCOMPARE(dialogs.Last().text, std::string("Save changes to 1999_tsm.nts?"));
        QCOMPARE(folder.Read("1999_tsm.nts"), std::string("line one\r\nline two\r\n"));
        QVERIFY(pad->close());
        QCOMPARE(folder.Read("1999_tsm.nts"), std::string("line one\r\nline two\r\nthree"));
    }

    void unreadableFileIsNotOpened() {
        TempFolder folder;
        // A folder (not empty) stands where the notes file should be.
        std::filesystem::create_directory(folder.PathOf("1999_tsm.nts"));
        folder.Write("1999_tsm.nts/inside", "x");
        ScriptedDialogs dialogs;
        PosixFileSystem files(folder.path());
        QtTextEditor editor(nullptr, dialogs, files);
        const Status s = editor.Open(folder.PathOf("1999_tsm.nts"));
        QVERIFY(!s.ok());
        QCOMPARE(s.fileName(), std::string("1999_tsm.nts"));
        QVERIFY(!OpenWindow());
    }

    // The path is one literal argument: no shell sees it, so ";", "$( )" and
    // back-quotes in a file name run nothing.
    void externalEditorIsStartedWithThePath() {
        TempFolder folder;
        folder.Write("editor.sh", "printf '%s' \"$1\" > \"$(dirname \"$1\")/started.txt\"\n");
        qputenv("TESSAMO_EDITOR", QByteArray("/bin/sh ") + folder.PathOf("editor.sh").c_str());
        ScriptedDialogs dialogs;
        PosixFileSystem files(folder.path());
        QtTextEditor editor(nullptr, dialogs, files);
        const std::string path = folder.PathOf("2000_tsm.nts");
        QVERIFY(editor.Open(path).ok());
        QVERIFY(!OpenWindow());
        QTRY_COMPARE(folder.Read("started.txt"), path);

        const QString before = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(folder.path()));  // where a command run by a shell would write
        const std::string odd = folder.PathOf("pay; touch semi $(touch dollar) `touch tick`.mcr");
        QVERIFY(editor.Open(odd).ok());
        QTRY_COMPARE(folder.Read("started.txt"), odd);
        QDir::setCurrent(before);
        for (const char* ran : {"semi", "dollar", "tick"}) QVERIFY(!folder.Exists(ran));

        qputenv("TESSAMO_EDITOR", "/nonexistent/editor");
        Status s = editor.Open(path);
        QVERIFY(!s.ok());
        QCOMPARE(s.fileName(), std::string("/nonexistent/editor"));
    }
};

QTEST_MAIN(tst_notepad)
#include "tst_notepad.moc"
