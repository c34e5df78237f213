#include "platform/FolderAccess.h"

#include <dirent.h>

#include <cerrno>
#include <cstring>

namespace tessamo {

std::string UnreadableFolderText(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (dir) {
        closedir(dir);
        return {};
    }
    const int error = errno;
    return std::string(std::strerror(error)) + "  " + std::to_string(error);
}

}  // namespace tessamo
