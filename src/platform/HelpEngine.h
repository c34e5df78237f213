#pragma once
// HelpEngine: the program that shows the help pages. The Qt implementation
// is a built-in viewer window (one per program, raised when already open);
// tests use a double that records what was asked. Both calls return at once:
// the viewer runs beside the program and is never waited for.
#include <string>

#include "platform/Status.h"

namespace tessamo {

class HelpEngine {
public:
    virtual ~HelpEngine() = default;
    // Shows the page file `pagePath` (a full path, which may name a compiled-in
    // resource). Fails with the path and a reason when the page is missing.
    virtual Status ShowPage(const std::string& pagePath) = 0;
    // Closes the viewer when it is open.
    virtual void Quit() = 0;
};

}  // namespace tessamo
