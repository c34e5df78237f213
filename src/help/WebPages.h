#pragma once
// The Help menu's two web-page entries ("Visit Velloran's Website",
// "Visit Kestrune's Website"). Each opens one address in the user's browser
// after asking whether the connection is up. The addresses are settings:
// each has an environment variable that replaces it; left unset, both name
// a page of this program's own installed help, since the companies in the
// captions stand for no real one.
#include <string>

namespace tessamo {

class Browser;
class Dialogs;

enum class WebSite { Maker, Partner };

inline constexpr const char* kMakerAddressVariable = "TESSAMO_MAKER_URL";
inline constexpr const char* kPartnerAddressVariable = "TESSAMO_PARTNER_URL";
// The pages of the installed help the entries open by default.
inline constexpr const char* kMakerDefaultPage = "web-pages.html#maker";
inline constexpr const char* kPartnerDefaultPage = "web-pages.html#partner";
// Where `cmake --install` puts the help; set by the build.
#ifndef TESSAMO_HELP_INSTALL_DIR
#define TESSAMO_HELP_INSTALL_DIR "/usr/share/tessamo/help"
#endif

// The folder of the help pages on disk: "<exe>/../share/tessamo/help" when
// installed, "<exe>/help" in a build folder, else the install folder.
std::string InstalledHelpFolder(const std::string& executableDir);

// The address of `site`: its variable's value when set and not empty, else
// "file://" + the help folder + its default page.
std::string WebPageAddress(WebSite site, const std::string& helpFolder);

// Asks, finds the browser, starts it on `address`. A scratch ".HTM" file is
// made in `tempFolder` while the browser is looked for and deleted on every
// path; answering No writes nothing.
void OpenWebPage(Dialogs& dialogs, Browser& browser, const std::string& address, const std::string& tempFolder);

}  // namespace tessamo
