#pragma once
// Browser: the user's web browser, found and started without waiting. The
// program to use is $BROWSER (the first entry of a colon-separated list that
// can be found), else xdg-open; FindBrowserProgram holds that rule without
// touching the environment so that it can be tested.
#include <string>
#include <vector>

#include "platform/Status.h"

namespace tessamo {

class Browser {
public:
    virtual ~Browser() = default;
    // The command that opens web pages (it may carry arguments and a "%s"
    // where the address goes), or empty when there is none. `scratchFile` is
    // a blank page file, there while the browser is looked for.
    virtual std::string Find(const std::string& scratchFile) = 0;
    // Starts `command` on `address`; does not wait for it to end.
    virtual Status Start(const std::string& command, const std::string& address) = 0;
};

// The browser command from the value of BROWSER and of PATH: the first entry
// of BROWSER whose program is found (an absolute path that is executable, or
// a name found in a folder of PATH), else "xdg-open" when PATH has it, else "".
std::string FindBrowserProgram(const std::string& browserVariable, const std::string& pathVariable);

// The program name of a browser command: its first word.
std::string ProgramOfCommand(const std::string& command);

// The arguments to start `command` on `address`: the command's words with
// "%s" replaced by the address, or the address added as the last word.
std::vector<std::string> BrowserArguments(const std::string& command, const std::string& address);

}  // namespace tessamo
