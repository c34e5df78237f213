#include "help/WebPages.h"

#include "platform/Browser.h"
#include "platform/Dialogs.h"
#include "platform/LocalPaths.h"
#include "platform/ScratchFile.h"

namespace tessamo {
namespace {

bool HasIndex(const std::string& folder) { return ReadableFile(folder + "/index.html"); }

}  // namespace

std::string InstalledHelpFolder(const std::string& executableDir) {
    if (!executableDir.empty()) {
        const std::string installed = executableDir + "/../share/tessamo/help";
        if (HasIndex(installed)) return installed;
        const std::string build = executableDir + "/help";
        if (HasIndex(build)) return build;
    }
    return TESSAMO_HELP_INSTALL_DIR;
}

std::string WebPageAddress(WebSite site, const std::string& helpFolder) {
    const bool maker = site == WebSite::Maker;
    const std::optional<std::string> value = EnvironmentValue(maker ? kMakerAddressVariable : kPartnerAddressVariable);
    if (value && !value->empty()) return *value;
    return "file://" + helpFolder + "/" + (maker ? kMakerDefaultPage : kPartnerDefaultPage);
}

void OpenWebPage(Dialogs& dialogs, Browser& browser, const std::string& address, const std::string& tempFolder) {
    const Message question{"Please make sure your internet connection is active!\r\nContinue?",
                           "Run default web browser", MessageIcon::Exclamation, MessageButtons::YesNo,
                           Answer::Yes};
    if (dialogs.Show(question) != Answer::Yes) return;
    // The blank page is what the browser lookup was once asked about; it is
    // made under a fresh name and removed when this routine ends. If the
    // temporary folder refuses it, the browser is still looked for: no data
    // of the user's is at stake.
    const ScratchFile scratch(tempFolder, ".HTM", "\"<HTML> <\\HTML>\"\r\n");
    const std::string command = browser.Find(scratch.path());
    if (command.empty()) {
        dialogs.Show(Message{"Could not find your Browser", "Browser Not Found", MessageIcon::Exclamation});
        return;
    }
    if (!browser.Start(command, address).ok())
        dialogs.Show(Message{"Web Page not Opened", "URL Failed", MessageIcon::Exclamation});
}

}  // namespace tessamo
