#include "platform/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <strings.h>

namespace tessamo {
namespace {

// A missing file or folder is told apart from every other refusal, so a
// caller can treat "not there" as an answer rather than an error.
Status Failure(const std::string& name, int err) {
    return err == ENOENT ? Status::NotFound(name, std::strerror(err)) : Status::IOError(name, std::strerror(err));
}

// Closes a descriptor when the scope ends, so no early return leaks it.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() { if (fd_ >= 0) ::close(fd_); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }
    // Closes now and reports a failing close (a full disk may show only here).
    int Close() { int rc = ::close(fd_); fd_ = -1; return rc; }
private:
    int fd_;
};

Status WriteFully(int fd, const std::string& name, const char* data, std::size_t size, off_t offset) {
    while (size > 0) {
        ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Failure(name, errno);
        }
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += n;
    }
    return Status::Ok();
}

std::string DirectoryOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : (slash == 0 ? std::string("/") : path.substr(0, slash));
}

void SyncDirectory(const std::string& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

Status WriteFileAtomically(const std::string& path, const std::string& tempPath, const std::string& bytes) {
    {
        // O_TRUNC: a leftover temp file of an interrupted run never adds bytes.
        FileHandle fd(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        if (fd.get() < 0) return Failure(tempPath, errno);
        Status s = WriteFully(fd.get(), tempPath, bytes.data(), bytes.size(), 0);
        if (s.ok() && ::fsync(fd.get()) != 0) s = Failure(tempPath, errno);
        if (s.ok() && fd.Close() != 0) s = Failure(tempPath, errno);
        if (!s.ok()) {
            ::unlink(tempPath.c_str());
            return s;
        }
    }
    if (::rename(tempPath.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tempPath.c_str());
        return Failure(path, err);
    }
    SyncDirectory(DirectoryOf(path));
    return Status::Ok();
}

PosixFileSystem::PosixFileSystem(std::string folder) : folder_(std::move(folder)) {
    while (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
}

std::string PosixFileSystem::Resolve(const std::string& name) const {
    struct stat st;
    if (::stat((folder_ + "/" + name).c_str(), &st) == 0) return name;  // exact spelling wins
    DIR* dir = ::opendir(folder_.c_str());
    if (!dir) return name;
    std::string found = name;
    while (dirent* entry = ::readdir(dir)) {
        if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

std::string PosixFileSystem::PathOf(const std::string& name) const { return folder_ + "/" + Resolve(name); }

bool PosixFileSystem::Exists(const std::string& name) const {
    struct stat st;
    return ::stat(PathOf(name).c_str(), &st) == 0;
}

Status PosixFileSystem::FileLength(const std::string& name, std::uint64_t& length) const {
    length = 0;
    struct stat st;
    if (::stat(PathOf(name).c_str(), &st) != 0) {
        return errno == ENOENT ? Status::Ok() : Failure(Resolve(name), errno);
    }
    length = static_cast<std::uint64_t>(st.st_size);
    return Status::Ok();
}

Status PosixFileSystem::ReadAll(const std::string& name, std::string& bytes) const {
    bytes.clear();
    const std::string resolved = Resolve(name);
    FileHandle fd(::open((folder_ + "/" + resolved).c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return errno == ENOENT ? Status::Ok() : Failure(resolved, errno);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) return Failure(resolved, errno);
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Failure(resolved, errno);
        }
        if (n == 0) break;  // the file shrank meanwhile
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return Status::Ok();
}

Status PosixFileSystem::CreateIfMissing(const std::string& name) {
    const std::string resolved = Resolve(name);
    // An existing file is left alone: opening it for writing would make a
    // read-only ledger fail to list although it reads fine.
    struct stat st;
    if (::stat((folder_ + "/" + resolved).c_str(), &st) == 0) return Status::Ok();
    FileHandle fd(::open((folder_ + "/" + resolved).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    if (fd.get() < 0) return Failure(resolved, errno);
    return fd.Close() == 0 ? Status::Ok() : Failure(resolved, errno);
}

Status PosixFileSystem::WriteAt(const std::string& name, std::uint64_t offset, const std::string& bytes) {
    const std::string resolved = Resolve(name);
    FileHandle fd(::open((folder_ + "/" + resolved).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    if (fd.get() < 0) return Failure(resolved, errno);
    Status s = WriteFully(fd.get(), resolved, bytes.data(), bytes.size(), static_cast<off_t>(offset));
    if (s.ok() && ::fdatasync(fd.get()) != 0) s = Failure(resolved, errno);
    if (s.ok() && fd.Close() != 0) s = Failure(resolved, errno);
    return s;
}

Status PosixFileSystem::Append(const std::string& name, const std::string& bytes) {
    const std::string resolved = Resolve(name);
    FileHandle fd(::open((folder_ + "/" + resolved).c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    if (fd.get() < 0) return Failure(resolved, errno);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) return Failure(resolved, errno);
    Status s = WriteFully(fd.get(), resolved, bytes.data(), bytes.size(), st.st_size);
    if (s.ok() && ::fdatasync(fd.get()) != 0) s = Failure(resolved, errno);
    if (s.ok() && fd.Close() != 0) s = Failure(resolved, errno);
    return s;
}

Status PosixFileSystem::ReplaceWhole(const std::string& name, const std::string& tempName,
                                     const std::string& bytes) {
    return WriteFileAtomically(PathOf(name), PathOf(tempName), bytes);
}

Status PosixFileSystem::Remove(const std::string& name) {
    const std::string resolved = Resolve(name);
    if (::unlink((folder_ + "/" + resolved).c_str()) != 0 && errno != ENOENT) return Failure(resolved, errno);
    return Status::Ok();
}

Status PosixFileSystem::Rename(const std::string& from, const std::string& to) {
    const std::string source = Resolve(from);
    if (::rename((folder_ + "/" + source).c_str(), PathOf(to).c_str()) != 0) return Failure(source, errno);
    return Status::Ok();
}

std::vector<std::string> PosixFileSystem::List() const {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder_.c_str());
    if (!dir) return names;
    while (dirent* entry = ::readdir(dir)) {
        struct stat st;
        std::string path = folder_ + "/" + entry->d_name;
        if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(entry->d_name);
    }
    ::closedir(dir);
    return names;
}

}  // namespace tessamo
