#pragma once
// ContextIDs: the help set-up run first at start-up, the help shut-down run
// when the main window unloads, and the requests that show a help page.
//
// InitHelp keeps the main window and forms the help file's name: the help
// folder and "index.html" with exactly one separator between them, whatever
// the folder ends in. Pages are "<folder>/<topic>.html". QuitHelp closes the
// viewer. A page that cannot be shown is reported through Dialogs, so the
// user gets a message and never an empty window.
#include <cstdint>
#include <string>

#include "platform/Status.h"

namespace tessamo {

class Dialogs;
class HelpEngine;

inline constexpr const char* kHelpFileName = "index.html";
// The compiled-in help: a resource folder of the windowed program.
inline constexpr const char* kBuiltInHelpFolder = ":/help";

class ContextIDs {
public:
    // Where pages are shown and failures told; until then requests do nothing.
    void Connect(HelpEngine& engine, Dialogs& dialogs);

    // `window` identifies the main window; `helpFolder` holds the pages.
    void InitHelp(std::uintptr_t window, const std::string& helpFolder);
    void QuitHelp();

    // The contents page (the Help menu's "Contents", the toolbar's Help).
    void ShowContents() { ShowTopic(kContentsTopic); }
    // The page of `topic` (a page's base name, see HelpTopics.h).
    void ShowTopic(const std::string& topic);

    std::string PageOf(const std::string& topic) const;
    const std::string& HelpFile() const { return helpFile_; }
    bool Active() const { return active_; }

    static constexpr const char* kContentsTopic = "index";

private:
    HelpEngine* engine_ = nullptr;
    Dialogs* dialogs_ = nullptr;
    std::uintptr_t window_ = 0;
    std::string folder_;
    std::string helpFile_;
    bool active_ = false;
};

// The message shown when a help page cannot be opened.
std::string HelpMissingText(const Status& status);

}  // namespace tessamo
