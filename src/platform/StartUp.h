#pragma once
// The start both programs make before they touch a data file: find the data
// folder, take its lock (one program per folder), make it the working
// directory. The windowed program and the command line call this one
// routine, so they refuse a start for the same reasons with the same words.
// What follows differs on purpose: the window reads or creates the settings
// and asks for the passcode; the command line only reads them.
#include <string>

#include "platform/InstanceLock.h"
#include "platform/Result.h"

namespace tessamo {

// The data folder (absolute), found, locked by `lock` and made current. A
// refusal's reason is the whole text to show before the program ends: lines
// joined by CR LF, as every message text is.
Result<std::string> EnterDataFolder(const std::string& executableDir, InstanceLock& lock);

}  // namespace tessamo
