#include "platform/StartUp.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/DataFolder.h"

namespace tessamo {

namespace {

Status Refusal(std::string message) { return Status::IOError({}, std::move(message)); }

}  // namespace

Result<std::string> EnterDataFolder(const std::string& executableDir, InstanceLock& lock) {
    std::string folder;
    if (Status s = ResolveDataFolder(executableDir, folder); !s.ok())
        return Refusal("The data folder could not be used:\r\n" + s.ToString());
    bool heldElsewhere = false;
    Status lockStatus;
    if (!lock.Acquire(folder, heldElsewhere, lockStatus))
        return Refusal(heldElsewhere ? FolderInUseMessage(folder)
                                     : "The data folder could not be locked:\r\n" + lockStatus.ToString());
    if (::chdir(folder.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        lock.Release();
        return Refusal("The data folder could not be entered:\r\n" + folder + ": " + reason);
    }
    return folder;
}

}  // namespace tessamo
