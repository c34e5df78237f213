#include "platform/DriveCheck.h"

#include <dirent.h>

#include <cerrno>
#include <cstring>

namespace tessamo {

std::string UnreadableDriveText(const std::string& root) {
    DIR* folder = ::opendir(root.c_str());
    if (!folder) {
        const int error = errno;
        return std::string(std::strerror(error)) + "  " + std::to_string(error);
    }
    ::closedir(folder);
    return {};
}

}  // namespace tessamo
