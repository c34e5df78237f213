#include "help/ContextIDs.h"

namespace tessamo {

void ContextIDs::InitHelp(std::uintptr_t window, const std::string& programFolder) {
    window_ = window;
    const bool endsInSeparator = !programFolder.empty() && programFolder.back() == '/';
    helpFile_ = programFolder + (endsInSeparator ? "" : "/") + kHelpFileName;
    active_ = true;
}

void ContextIDs::QuitHelp() { active_ = false; }

}  // namespace tessamo
