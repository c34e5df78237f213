#pragma once
// Macro file names: the name typed in the macro frame is used as a plain file
// name of the data folder, so a name that would lead elsewhere or that the
// file system cannot hold is refused before anything is read or written.
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace tessamo {

// Why `fileName` cannot be a macro file name in the data folder (it holds
// "/", "\", "..", a control character, or is longer than a file name may be),
// as a message for the user; nothing when it can.
std::optional<std::string> MacroNameProblem(const std::string& fileName);

// The data folder's "*.mcr" files (any letter case), in list order.
std::vector<std::string> MacroFileList(const FileSystem& folder);

}  // namespace tessamo
