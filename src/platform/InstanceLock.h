#pragma once
// InstanceLock: one running program per data folder. Both the windowed program
// and the command line take the lock on ".tessamo.lock" in the data folder;
// the lock goes with the process, so a crash never leaves it stuck.
#include <string>

#include "platform/Status.h"

namespace tessamo {

inline constexpr const char* kInstanceLockName = ".tessamo.lock";

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False with `heldElsewhere` set when another program holds the folder;
    // false with a failed status when the lock file cannot be opened. The
    // file is opened without following links (a link planted under its name
    // is removed, never followed) and made readable by the owner alone.
    bool Acquire(const std::string& folder, bool& heldElsewhere, Status& status);
    void Release();

private:
    int fd_ = -1;
};

// The message shown when the folder is in use.
std::string FolderInUseMessage(const std::string& folder);

}  // namespace tessamo
