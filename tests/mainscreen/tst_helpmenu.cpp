// The Help menu and F1 in the real main window: contents from the menu and
// the toolbar, the topic of the frame in focus, About, both web entries with
// their addresses and no scratch file left, the viewer closed on unload.
#include <QTextBrowser>
#include <QToolBar>

#include <cstdlib>
#include <filesystem>

#include "help/WebPages.h"
#include "help/ui/HelpViewer.h"
#include "help/ui/QtHelpEngine.h"
#include "mainscreen/MainScreenHarness.h"

using namespace tessamo;

namespace {

struct RecordingBrowser : Browser {
    std::string Find(const std::string&) override { return "testbrowser"; }
    Status Start(const std::string&, const std::string& address) override {
        addresses.push_back(address);
        return Status::Ok();
    }
    std::vector<std::string> addresses;
};

QString Shown(const frmMainScreen& w) {
    HelpViewer* viewer = w.HelpEngine()->Viewer();
    return viewer && viewer->isVisible() ? viewer->HelpText->source().fileName() : QString();
}

}  // namespace

class tst_helpmenu : public QObject {
    Q_OBJECT

private slots:
    void contentsFromMenuAndToolbar() {
        MainScreenHarness h;
        QVERIFY(h.Load());
        frmMainScreen& w = *h.window;
        for (QAction* entry : {w.mnuHelpContents, w.mnuHelpAbout, w.mnuWebSite, w.mnu_KSN})
            QVERIFY(entry->isEnabled());
        w.ToolbarTSM_ButtonClick(QStringLiteral("tbbHelp"));
        QCOMPARE(Shown(w), QStringLiteral("index.html"));
        HelpViewer* viewer = w.HelpEngine()->Viewer();
        w.mnuHelpContents->trigger();
        QCOMPARE(w.HelpEngine()->Viewer(), viewer);  // one viewer, raised again
        w.close();                                    // Form_Unload closes the help
        QCOMPARE(Shown(w), QString());
        QVERIFY(h.env.dialogs.messages.empty());
    }

    void f1OpensTheTopicOfWhatHasTheFocus() {
        MainScreenHarness h;
        h.env.PutCategories({CategoryRecord::Make("FO", "Food")});
        QVERIFY(h.Load());
        frmMainScreen& w = *h.window;
        w.activateWindow();
        const struct {
            QAction* opens;
            QWidget* focus;
            const char* page;
        } cases[] = {
            {nullptr, w.ItemList, "main-window.html"},
            {w.mnuNewCategory, h.ui.CatEdCatCode, "category-editor.html"},
            {w.mnuNewItem, h.ui.AmountEditor, "entry-editor.html"},
        };
        for (const auto& c : cases) {
            if (c.opens) c.opens->trigger();
            c.focus->setFocus();
            QTest::keyClick(c.focus, Qt::Key_F1);
            QCOMPARE(Shown(w), QString::fromLatin1(c.page));
        }
    }

    void aboutNamesVersionAndDataFolder() {
        MainScreenHarness h;
        QVERIFY(h.Load());
        h.window->mnuHelpAbout->trigger();
        QCOMPARE(h.env.dialogs.messages.size(), size_t(1));
        const Message& about = h.env.dialogs.Last();
        QCOMPARE(QString::fromStdString(about.title), QStringLiteral("About Tessamo"));
        QVERIFY(about.text.find("Tessamo 2.1") == 0);
        QVERIFY(about.text.find("Data folder: " + h.env.folder.path()) != std::string::npos);
        QVERIFY(about.text.find(std::string("Runs on Qt ") + qVersion()) != std::string::npos);
    }

    void webEntriesOpenTheirAddresses() {
        TempFolder temp;
        ::setenv("TMPDIR", temp.path().c_str(), 1);
        ::setenv(kPartnerAddressVariable, "https://example.org/partner", 1);
        MainScreenHarness h;
        QVERIFY(h.Load());
        auto browser = std::make_unique<RecordingBrowser>();
        RecordingBrowser& seen = *browser;
        h.window->SetBrowser(std::move(browser));
        h.env.dialogs.answers = {Answer::Yes, Answer::Yes, Answer::No};
        h.window->mnuWebSite->trigger();
        h.window->mnu_KSN->trigger();
        h.window->mnu_KSN->trigger();  // No: nothing opened
        ::unsetenv(kPartnerAddressVariable);
        ::unsetenv("TMPDIR");
        QCOMPARE(seen.addresses.size(), size_t(2));
        QVERIFY(seen.addresses[0].starts_with("file:///") && seen.addresses[0].ends_with("/web-pages.html#maker"));
        QCOMPARE(QString::fromStdString(seen.addresses[1]), QStringLiteral("https://example.org/partner"));
        QCOMPARE(h.env.dialogs.messages.size(), size_t(3));
        for (const auto& entry : std::filesystem::directory_iterator(temp.path()))  // Qt may put its own there
            QVERIFY2(entry.path().extension() != ".HTM", entry.path().c_str());
    }
};

QTEST_MAIN(tst_helpmenu)
#include "tst_helpmenu.moc"
