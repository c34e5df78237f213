#pragma once
// DataFolder: where the program keeps its files ("the program's directory").
// TESSAMO_HOME when set; else the executable's folder when it holds a
// PERSONAL.DAT (a portable install); else ~/.local/share/tessamo (or
// $XDG_DATA_HOME/tessamo), created at first start.
#include <string>

#include "platform/Status.h"

namespace tessamo {

// `executableDir` may be empty when unknown. Creates the chosen folder when
// missing; `folder` receives its absolute path.
Status ResolveDataFolder(const std::string& executableDir, std::string& folder);

// The user's data folder: $XDG_DATA_HOME/tessamo, else ~/.local/share/tessamo.
std::string UserDataFolder();
// The folder of our own settings: $XDG_CONFIG_HOME/tessamo, else ~/.config/tessamo.
std::string UserConfigFolder();

// Folder of the running executable (from /proc/self/exe), or empty.
std::string ExecutableDirectory();

}  // namespace tessamo
