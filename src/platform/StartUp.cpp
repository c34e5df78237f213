#include "platform/StartUp.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/DataFolder.h"

namespace tessamo {

bool EnterDataFolder(const std::string& executableDir, InstanceLock& lock, std::string& folder,
                     std::string& message) {
    if (Status s = ResolveDataFolder(executableDir, folder); !s.ok()) {
        message = "The data folder could not be used:\r\n" + s.ToString();
        return false;
    }
    bool heldElsewhere = false;
    Status lockStatus;
    if (!lock.Acquire(folder, heldElsewhere, lockStatus)) {
        message = heldElsewhere ? FolderInUseMessage(folder)
                                : "The data folder could not be locked:\r\n" + lockStatus.ToString();
        return false;
    }
    if (::chdir(folder.c_str()) != 0) {
        message = "The data folder could not be entered:\r\n" + folder + ": " + std::strerror(errno);
        lock.Release();
        return false;
    }
    return true;
}

}  // namespace tessamo
