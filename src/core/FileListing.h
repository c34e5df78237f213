#pragma once
// The file lists of the windows (macro files, backup sources): the data
// folder's files of chosen extensions, matched and ordered without regard to
// letter case, as a file list box shows them.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace tessamo {

// True when `name` ends in `extension` (".MCR"), in any letter case.
bool HasExtensionIgnoringCase(std::string_view name, std::string_view extension);

// The folder's files for which `wanted` is true, by name without regard to
// case (names differing only in case in their byte order).
std::vector<std::string> FilesInListOrder(const FileSystem& folder,
                                          const std::function<bool(const std::string&)>& wanted);

}  // namespace tessamo
