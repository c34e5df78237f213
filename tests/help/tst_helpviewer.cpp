// The help viewer and F1, in real windows (offscreen): one viewer raised
// again, the topic of the window in focus, contents, index, search, back and
// forward, a missing page told and no empty window.
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include "help/ContextIDs.h"
#include "help/HelpTopics.h"
#include "help/ui/HelpViewer.h"
#include "help/ui/QtHelpEngine.h"
#include "support/ScriptedDialogs.h"

using namespace tessamo;

class HelpViewerTest : public QObject {
    Q_OBJECT

    ScriptedDialogs dialogs;
    ContextIDs help;
    QtHelpEngine* engine = nullptr;

    QString Shown() const { return engine->Viewer() ? engine->Viewer()->HelpText->source().fileName() : QString(); }

    // A main window holding a frame, the focus on a field inside the frame.
    struct Windows {
        QMainWindow main;
        QGroupBox* frame = nullptr;
        QLineEdit* field = nullptr;
    };
    void Build(Windows& w, const char* frameName) {
        w.main.setObjectName(QStringLiteral("frmMainScreen"));
        w.frame = new QGroupBox(&w.main);
        w.frame->setObjectName(QString::fromLatin1(frameName));
        w.field = new QLineEdit(w.frame);
        w.main.setCentralWidget(w.frame);
        w.main.show();
        w.main.activateWindow();
        w.field->setFocus();
        QApplication::processEvents();
    }

private slots:
    void init() {
        dialogs = ScriptedDialogs();
        help = ContextIDs();
        engine = new QtHelpEngine(help);
        help.Connect(*engine, dialogs);
        help.InitHelp(1, kBuiltInHelpFolder);
    }
    void cleanup() {
        delete engine;
        QVERIFY(dialogs.messages.empty() || QTest::currentTestFunction() == QByteArray("missingPageIsTold"));
    }

    void contentsOpenOneViewerRaisedAgain() {
        help.ShowContents();
        HelpViewer* first = engine->Viewer();
        QVERIFY(first && first->isVisible());
        QCOMPARE(Shown(), QStringLiteral("index.html"));
        QVERIFY(ShowHelpTopic("reports"));  // the report window's Help button
        QCOMPARE(engine->Viewer(), first);
        QCOMPARE(Shown(), QStringLiteral("reports.html"));
        QVERIFY(first->HelpContents->count() >= 20);
        QCOMPARE(first->HelpContents->item(0)->text(), QStringLiteral("Tessamo Help"));
        QVERIFY(first->HelpBack->isEnabled());
        first->HelpBack->trigger();
        QCOMPARE(Shown(), QStringLiteral("index.html"));
        QVERIFY(first->HelpForward->isEnabled());
        help.QuitHelp();  // the main window unloads
        QApplication::processEvents();
        QVERIFY(!engine->Viewer());
    }

    void f1OpensTheTopicOfTheFocusedFrame_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("page");
        QTest::newRow("entry editor") << "EntryEdFrame" << "" << "entry-editor.html";
        QTest::newRow("category editor") << "CatEdFrame" << "" << "category-editor.html";
        QTest::newRow("unnamed frame: its window") << "SomePanel" << "" << "main-window.html";
        QTest::newRow("own property wins") << "CatEdFrame" << "backup" << "backup.html";
    }
    void f1OpensTheTopicOfTheFocusedFrame() {
        QFETCH(QString, frame);
        QFETCH(QString, property);
        QFETCH(QString, page);
        Windows w;
        Build(w, frame.toLatin1().constData());
        if (!property.isEmpty()) w.frame->setProperty(kHelpTopicProperty, property);
        QTest::keyClick(w.field, Qt::Key_F1);
        QCOMPARE(Shown(), page);
        QCOMPARE(w.field->text(), QString());  // the key went to the help, not the field
    }

    void windowWithoutTopicGetsTheContents() {
        QWidget lone;
        lone.show();
        QCOMPARE(QtHelpEngine::TopicOf(&lone), std::string("index"));
        QVERIFY(ShowHelpFor(&lone));
        QCOMPARE(Shown(), QStringLiteral("index.html"));
    }

    void indexAndSearchOpenPages() {
        help.ShowContents();
        HelpViewer* viewer = engine->Viewer();
        viewer->HelpIndexFilter->setText(QStringLiteral("passc"));
        QVERIFY(viewer->HelpIndexList->count() >= 1);
        for (int i = 0; i < viewer->HelpIndexList->count(); ++i)
            QVERIFY(viewer->HelpIndexList->item(i)->text().startsWith(QStringLiteral("pass"), Qt::CaseInsensitive));
        QTest::keyClick(viewer->HelpIndexFilter, Qt::Key_Return);
        QVERIFY(Shown() == QStringLiteral("passcode.html") || Shown() == QStringLiteral("find-options.html"));

        viewer->HelpTabs->setCurrentIndex(2);
        viewer->HelpSearchWords->setText(QStringLiteral("encryption"));
        QTest::keyClick(viewer->HelpSearchWords, Qt::Key_Return);
        QCOMPARE(viewer->HelpSearchResults->item(0)->text(),
                 QStringLiteral("What the passcode protects, and what it does not"));
        viewer->HelpSearchResults->setFocus();
        QTest::keyClick(viewer->HelpSearchResults, Qt::Key_Return);
        QCOMPARE(Shown(), QStringLiteral("passcode.html"));
        QVERIFY(viewer->HelpText->textCursor().hasSelection());  // the word is shown

        viewer->Search(QStringLiteral("zebra"));
        QCOMPARE(viewer->HelpSearchResults->count(), 1);
        QVERIFY(!(viewer->HelpSearchResults->item(0)->flags() & Qt::ItemIsEnabled));
    }

    void missingPageIsTold() {
        help.InitHelp(1, "/nonexistent/help/");
        help.ShowTopic("export");
        QVERIFY(!engine->Viewer());
        QCOMPARE(dialogs.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(dialogs.Last().text),
                 QStringLiteral("The help could not be opened:\n/nonexistent/help/export.html: no such help page"));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "tst_helpviewer.moc"
