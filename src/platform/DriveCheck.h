#pragma once
// Whether a drive (a mounted volume, by its root folder) can be read, as the
// drive lists of the backup and export windows check a newly chosen drive.
#include <string>

namespace tessamo {

// Empty when the folder can be listed; else the system's description of the
// error, two blanks and the error number ("Permission denied  13").
std::string UnreadableDriveText(const std::string& root);

}  // namespace tessamo
