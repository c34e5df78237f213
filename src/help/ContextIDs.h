#pragma once
// ContextIDs: the help set-up run first at start-up and the help shut-down run
// when the main window unloads. The help viewer comes later; for now the
// set-up only remembers the window and the help file's name, and the
// shut-down has no viewer to close.
#include <cstdint>
#include <string>

namespace tessamo {

inline constexpr const char* kHelpFileName = "tsm21.HLP";

class ContextIDs {
public:
    // `window` identifies the main window; `programFolder` is the data folder.
    void InitHelp(std::uintptr_t window, const std::string& programFolder);
    void QuitHelp();

    const std::string& HelpFile() const { return helpFile_; }
    bool Active() const { return active_; }

private:
    std::uintptr_t window_ = 0;
    std::string helpFile_;
    bool active_ = false;
};

}  // namespace tessamo
