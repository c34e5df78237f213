#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tessamo {

InstanceLock::~InstanceLock() { Release(); }

bool InstanceLock::Acquire(const std::string& folder, bool& heldElsewhere, Status& status) {
    heldElsewhere = false;
    Release();
    const std::string path = folder + "/" + kInstanceLockName;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0 && errno == ELOOP && ::unlink(path.c_str()) == 0)
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        status = Status::IOError(path, std::strerror(errno));
        return false;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        int err = errno;
        ::close(fd_);
        fd_ = -1;
        if (err == EWOULDBLOCK) {
            heldElsewhere = true;
        } else {
            status = Status::IOError(path, std::strerror(err));
        }
        return false;
    }
    return true;
}

void InstanceLock::Release() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

std::string FolderInUseMessage(const std::string& folder) {
    return "Tessamo is already running on the data folder " + folder +
           ".\r\nClose the other copy first; only one may change these files at a time.";
}

}  // namespace tessamo
