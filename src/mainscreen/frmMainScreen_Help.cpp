// The Help menu of frmMainScreen: Contents (and the toolbar's Help), About,
// and the two web-page entries. F1 needs nothing here: the help engine made
// below answers it for every window.
#include <QAction>
#include <QtGlobal>

#include "help/AboutText.h"
#include "help/WebPages.h"
#include "help/ui/QtHelpEngine.h"
#include "mainscreen/frmMainScreen.h"
#include "platform/DataFolder.h"
#include "platform/ScratchFile.h"
#include "platform/qt/SystemBrowser.h"

namespace tessamo {
namespace {

void OpenSite(Dialogs& dialogs, Browser& browser, WebSite site) {
    OpenWebPage(dialogs, browser, WebPageAddress(site, InstalledHelpFolder(ExecutableDirectory())), UserTempFolder());
}

}  // namespace

void frmMainScreen::connectHelp() {
    helpEngine_ = std::make_unique<QtHelpEngine>(help_);
    help_.Connect(*helpEngine_, state_.env.dialogs);
    browser_ = std::make_unique<SystemBrowser>();
    const std::pair<QAction*, void (frmMainScreen::*)()> entries[] = {
        {mnuHelpContents, &frmMainScreen::mnuHelpContents_Click},
        {mnuHelpAbout, &frmMainScreen::mnuHelpAbout_Click},
        {mnuWebSite, &frmMainScreen::mnuWebSite_Click},
        {mnu_KSN, &frmMainScreen::mnu_KSN_Click},
    };
    for (const auto& [action, handler] : entries) {
        connect(action, &QAction::triggered, this, handler);
        action->setEnabled(true);
    }
}

void frmMainScreen::mnuHelpContents_Click() { help_.ShowContents(); }

void frmMainScreen::mnuHelpAbout_Click() {
    state_.env.dialogs.Show(AboutMessage({state_.env.files.Folder(), qVersion(), QT_VERSION_STR}));
}

void frmMainScreen::mnuWebSite_Click() { OpenSite(state_.env.dialogs, *browser_, WebSite::Maker); }

void frmMainScreen::mnu_KSN_Click() { OpenSite(state_.env.dialogs, *browser_, WebSite::Partner); }

}  // namespace tessamo
