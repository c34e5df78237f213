#pragma once
// Whether a folder of the drive, folder and file lists can be read. A drive
// that cannot (not mounted, not ready, no permission) is told to the user as
// the system's description of the error, two blanks and the error number
// ("Permission denied  13"), and the lists keep the folder they showed.
#include <string>

namespace tessamo {

// Empty when the folder can be listed; else the message text.
std::string UnreadableFolderText(const std::string& folder);

}  // namespace tessamo
