#include "platform/FolderHandle.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace tessamo {
namespace {

Status Failure(const std::string& name, int err) {
    return err == ENOENT ? Status::NotFound(name, std::strerror(err)) : Status::IOError(name, std::strerror(err));
}

// A link under the name shows as ELOOP (O_NOFOLLOW) or ENOTDIR: told plainly.
Status OpenFailure(const std::string& name, int err) {
    if (err == ELOOP || err == EMLINK) return Status::InvalidArgument(name, "a link, not a file of the backup");
    return Failure(name, err);
}

struct Descriptor {
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() { if (fd >= 0) ::close(fd); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd;
};

FileStamp StampOf(const struct stat& st) {
    return FileStamp{static_cast<std::uint64_t>(st.st_size),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                     static_cast<std::uint64_t>(st.st_ino)};
}

Status ReadOpen(int fd, const std::string& path, std::string& bytes) {
    struct stat st;
    if (::fstat(fd, &st) != 0) return Failure(path, errno);
    if (!S_ISREG(st.st_mode)) return Status::InvalidArgument(path, "not a plain file");
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Failure(path, errno);
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return Status::Ok();
}

Status WriteAll(int fd, const std::string& path, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Failure(path, errno);
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0 ? Status::Ok() : Failure(path, errno);
}

bool IsFile(unsigned mode) { return S_ISREG(mode); }
bool IsFolder(unsigned mode) { return S_ISDIR(mode); }
bool IsNotFolder(unsigned mode) { return !S_ISDIR(mode); }
bool IsNotFile(unsigned mode) { return !S_ISREG(mode); }

}  // namespace

FolderHandle::~FolderHandle() {
    if (fd_ >= 0) ::close(fd_);
}

FolderHandle::FolderHandle(FolderHandle&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

FolderHandle& FolderHandle::operator=(FolderHandle&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

Status FolderHandle::Open(const std::string& path, FolderHandle& folder) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return Failure(path, errno);
    folder = FolderHandle();
    folder.fd_ = fd;
    folder.path_ = path;
    return Status::Ok();
}

Status FolderHandle::Sub(const std::string& name, FolderHandle& folder) const {
    const int fd = ::openat(fd_, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return OpenFailure(PathOf(name), errno == ENOTDIR ? ELOOP : errno);
    folder = FolderHandle();
    folder.fd_ = fd;
    folder.path_ = PathOf(name);
    return Status::Ok();
}

std::vector<std::string> FolderHandle::Entries(bool (*wanted)(unsigned mode)) const {
    std::vector<std::string> names;
    const int fd = ::openat(fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!dir) {
        if (fd >= 0) ::close(fd);
        return names;
    }
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        struct stat st;
        if (name == "." || name == ".." || ::fstatat(fd_, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (wanted(st.st_mode)) names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> FolderHandle::Files() const { return Entries(IsFile); }
std::vector<std::string> FolderHandle::Folders() const { return Entries(IsFolder); }
std::vector<std::string> FolderHandle::NotFiles() const { return Entries(IsNotFile); }

bool FolderHandle::HasFile(const std::string& name) const {
    struct stat st;
    return ::fstatat(fd_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
}

bool FolderHandle::Exists(const std::string& name) const {
    struct stat st;
    return ::fstatat(fd_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

Status FolderHandle::Read(const std::string& name, std::string& bytes) const {
    // Non-blocking, so a pipe planted under the name cannot hold the open.
    const Descriptor file(::openat(fd_, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.fd < 0) return OpenFailure(PathOf(name), errno);
    return ReadOpen(file.fd, PathOf(name), bytes);
}

Status FolderHandle::Stamp(const std::string& name, FileStamp& stamp) const {
    struct stat st;
    if (::fstatat(fd_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return Failure(PathOf(name), errno);
    if (!S_ISREG(st.st_mode)) return Status::InvalidArgument(PathOf(name), "not a plain file");
    stamp = StampOf(st);
    return Status::Ok();
}

Status FolderHandle::MakeFresh(const std::string& name) const {
    return ::mkdirat(fd_, name.c_str(), 0700) == 0 ? Status::Ok() : Failure(PathOf(name), errno);
}

Status FolderHandle::WriteNew(const std::string& name, const std::string& bytes) const {
    const Descriptor file(::openat(fd_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (file.fd < 0) return OpenFailure(PathOf(name), errno);
    return WriteAll(file.fd, PathOf(name), bytes);
}

Status FolderHandle::Rename(const std::string& from, const std::string& to) const {
    if (::renameat2(fd_, from.c_str(), fd_, to.c_str(), RENAME_NOREPLACE) != 0) return Failure(PathOf(from), errno);
    return Sync();
}

Status FolderHandle::RemoveFolder(const std::string& name) const {
    FolderHandle folder;
    if (Status s = Sub(name, folder); !s.ok()) return s.IsNotFound() ? Status::Ok() : s;
    // Links and the like go as entries themselves; a folder inside stops the removal.
    for (const std::string& entry : folder.Entries(IsNotFolder))
        if (::unlinkat(folder.fd_, entry.c_str(), 0) != 0) return Failure(folder.PathOf(entry), errno);
    if (::unlinkat(fd_, name.c_str(), AT_REMOVEDIR) != 0) return Failure(PathOf(name), errno);
    return Sync();
}

// A file system that cannot flush folders at all (EINVAL) has nothing to flush.
Status FolderHandle::Sync() const {
    return ::fsync(fd_) == 0 || errno == EINVAL || errno == ENOTSUP ? Status::Ok() : Failure(path_, errno);
}

Status FolderHandle::CheckPrivate() const {
    struct stat st;
    if (::fstat(fd_, &st) != 0) return Failure(path_, errno);
    if (st.st_uid != ::geteuid())
        return Status::InvalidArgument(path_, "the folder belongs to another user; backups are kept only in a folder of your own");
    if (st.st_mode & 0022)
        return Status::InvalidArgument(path_, "others may write into the folder; make it yours alone (chmod 700) to keep backups there");
    return Status::Ok();
}

}  // namespace tessamo
