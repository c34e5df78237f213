#pragma once
// SystemBrowser: the Browser of the running system: $BROWSER, else
// xdg-open, started detached (the program never waits for it).
#include "platform/Browser.h"

namespace tessamo {

class SystemBrowser : public Browser {
public:
    std::string Find(const std::string& scratchFile) override;
    Status Start(const std::string& command, const std::string& address) override;
};

}  // namespace tessamo
