#pragma once
// The start both programs make before they touch a data file: find the data
// folder, take its lock (one program per folder), make it the working
// directory. The windowed program and the command line call this one
// routine, so they refuse a start for the same reasons with the same words.
// What follows differs on purpose: the window reads or creates the settings
// and asks for the passcode; the command line only reads them.
#include <string>

#include "platform/InstanceLock.h"

namespace tessamo {

// True when `folder` (absolute) is found, locked by `lock` and current.
// False with `message` set to the text to show before the program ends:
// lines joined by CR LF, as every message text is.
bool EnterDataFolder(const std::string& executableDir, InstanceLock& lock, std::string& folder,
                     std::string& message);

}  // namespace tessamo
