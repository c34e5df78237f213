#include "platform/ScratchFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace tessamo {

std::string UserTempFolder() {
    const char* folder = std::getenv("TMPDIR");
    return folder && *folder ? std::string(folder) : std::string("/tmp");
}

ScratchFile::ScratchFile(const std::string& folder, const std::string& suffix, const std::string& bytes) {
    std::string name = folder + (folder.empty() || folder.back() != '/' ? "/" : "") + "tessamo-XXXXXX" + suffix;
    std::vector<char> pattern(name.begin(), name.end());
    pattern.push_back('\0');
    const int fd = ::mkstemps(pattern.data(), static_cast<int>(suffix.size()));
    if (fd < 0) {
        status_ = Status::IOError(name, std::strerror(errno));
        return;
    }
    path_ = pattern.data();
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    const int writeError = errno;
    ::close(fd);
    if (written != static_cast<ssize_t>(bytes.size()))
        status_ = Status::IOError(path_, written < 0 ? std::strerror(writeError) : "short write");
}

ScratchFile::~ScratchFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
}

}  // namespace tessamo
