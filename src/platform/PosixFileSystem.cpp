#include "platform/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <strings.h>

namespace tessamo {
namespace {

// New files are the owner's alone: a household's finances are nobody else's.
constexpr mode_t kNewFileMode = 0600;

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

// Writes at `offset`, or at the current position (a pipe, a device) when it is negative.
Status WriteFully(int fd, const std::string& name, const char* data, std::size_t size, off_t offset) {
    while (size > 0) {
        ssize_t n = offset < 0 ? ::write(fd, data, size) : ::pwrite(fd, data, size, offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Failure(name, errno);
        }
        data += n;
        size -= static_cast<std::size_t>(n);
        if (offset >= 0) offset += n;
    }
    return Status::Ok();
}

Status ReadFully(int fd, const std::string& name, std::string& bytes) {
    struct stat st;
    if (::fstat(fd, &st) != 0) return Failure(name, errno);
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Failure(name, errno);
        }
        if (n == 0) break;  // the file shrank meanwhile
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return Status::Ok();
}

std::string DirectoryOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : (slash == 0 ? std::string("/") : path.substr(0, slash));
}

std::string BaseNameOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path a write lands on: `path` with the links of its last part followed,
// also a dangling one (the path it names). Links between folders are left to
// the system, which follows them anyway.
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
        if (n <= 0) return path;
        const std::string next(target, static_cast<std::size_t>(n));
        path = next[0] == '/' ? next : DirectoryOf(path) + "/" + next;
    }
    return path;
}

FileIdentity IdentityOf(const struct stat& st) {
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

FileKind KindOf(const struct stat& st) {
    if (S_ISREG(st.st_mode)) return FileKind::Regular;
    if (S_ISDIR(st.st_mode)) return FileKind::Directory;
    return FileKind::Other;
}

// A file without any write permission is not rewritten, even by an account
// the system would let through (root).
Status CheckWritable(const std::string& name, const std::string& path, const struct stat& st) {
    if ((st.st_mode & 0222) == 0) return Failure(name, EACCES);
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return Failure(name, errno);
    return Status::Ok();
}

// Opens a file of the folder for writing in place, creating it (0600) when
// missing; a file that is not writable is refused.
Status OpenForWriting(const std::string& name, const std::string& path, int flags, int& fd) {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | flags, kNewFileMode);
    if (fd < 0) return Failure(name, errno);
    struct stat st;
    Status s = ::fstat(fd, &st) == 0 ? Status::Ok() : Failure(name, errno);
    if (s.ok() && (st.st_mode & 0222) == 0) s = Failure(name, EACCES);
    if (!s.ok()) {
        ::close(fd);
        fd = -1;
    }
    return s;
}

// Flushes a folder's entries (a rename, a removal) to disk; a failure is
// told, as the change may not survive a power cut. A file system that cannot
// flush folders at all (EINVAL), or a folder the user may write into but
// not read (EACCES), is left to the system.
Status SyncDirectory(const std::string& dir) {
    FileHandle fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) return errno == EACCES ? Status::Ok() : Failure(dir, errno);
    if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != ENOTSUP) return Failure(dir, errno);
    return Status::Ok();
}

// A fresh temp file: a leftover of the name goes first (unlink removes a link
// itself, never what it points to), then the name is created exclusively and
// without following links, so nothing planted under it is ever written.
Status CreateFresh(const std::string& tempPath, int& fd) {
    if (::unlink(tempPath.c_str()) != 0 && errno != ENOENT) return Failure(tempPath, errno);
    fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
    return fd < 0 ? Failure(tempPath, errno) : Status::Ok();
}

// Writes the body of a fresh temp file (open as `fd`, named `tempPath`).
using BodyWriter = std::function<Status(int fd, const std::string& tempPath)>;

Status WriteBytes(int fd, const std::string& name, std::string_view bytes) {
    return WriteFully(fd, name, bytes.data(), bytes.size(), -1);
}

// Builds the body in a fresh `tempPath`, gives it the mode and owner of the
// file it replaces (`old`, when there is one), fsyncs it and renames it over
// `path`; the folder is fsynced after. A failure removes the temp file.
Status ReplaceAtomically(const std::string& path, const std::string& tempPath, const BodyWriter& writeBody,
                         const struct stat* old) {
    int raw = -1;
    Status s = CreateFresh(tempPath, raw);
    if (!s.ok()) return s;
    {
        FileHandle fd(raw);
        s = writeBody(fd.get(), tempPath);
        if (s.ok() && old) {
            if (::fchown(fd.get(), old->st_uid, old->st_gid) != 0) {
                // Not the owner's to give: the mode is kept all the same.
            }
            if (::fchmod(fd.get(), old->st_mode & 07777) != 0) s = Failure(tempPath, errno);
        }
        if (s.ok() && ::fsync(fd.get()) != 0) s = Failure(tempPath, errno);
        if (s.ok() && fd.Close() != 0) s = Failure(tempPath, errno);
    }
    if (s.ok() && ::rename(tempPath.c_str(), path.c_str()) != 0) s = Failure(path, errno);
    if (!s.ok()) {
        ::unlink(tempPath.c_str());
        return s;
    }
    return SyncDirectory(DirectoryOf(path));
}

Status ReplaceAtomically(const std::string& path, const std::string& tempPath, const std::string& bytes,
                         const struct stat* old) {
    return ReplaceAtomically(
        path, tempPath, [&](int fd, const std::string& name) { return WriteBytes(fd, name, bytes); }, old);
}

// Every piece in turn.
Status WritePieces(int fd, const std::string& name, const OutputPieces& pieces) {
    std::string_view piece;
    while (pieces(piece)) {
        if (Status s = WriteBytes(fd, name, piece); !s.ok()) return s;
    }
    return Status::Ok();
}

// The rest of the open file `from` (named `name`) copied into `to`, a block at a time.
Status CopyContent(int from, const std::string& name, int to, const std::string& toName) {
    std::string block(1 << 20, '\0');
    for (;;) {
        const ssize_t n = ::read(from, block.data(), block.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Failure(name, errno);
        if (n == 0) return Status::Ok();
        if (Status s = WriteBytes(to, toName, std::string_view(block.data(), static_cast<std::size_t>(n))); !s.ok())
            return s;
    }
}

// Where a missing file would be made: its folder's identity and its name.
void InfoOfMissing(const std::string& finalPath, FileInfo& info) {
    info = FileInfo{};
    info.name = BaseNameOf(finalPath);
    struct stat dir;
    if (::stat(DirectoryOf(finalPath).c_str(), &dir) == 0) info.folder = IdentityOf(dir);
}

void FillInfo(const std::string& finalPath, const struct stat& st, FileInfo& info) {
    InfoOfMissing(finalPath, info);
    info.kind = KindOf(st);
    info.file = IdentityOf(st);
}

// A device or a pipe: no temp file, no rename, no fsync (which such files refuse).
Status WriteStream(const std::string& name, const std::string& path, const OutputPieces& pieces,
                   const OutputCheck& check) {
    FileHandle fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return Failure(name, errno);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) return Failure(name, errno);
    FileInfo info;
    FillInfo(path, st, info);
    if (Status s = check(info); !s.ok()) return s;
    Status s = WritePieces(fd.get(), name, pieces);
    if (s.ok() && fd.Close() != 0) s = Failure(name, errno);
    return s;
}

// "/dev/stdout" and the like stand for an open file of the process, even
// when that is a regular file: they are written through, never replaced.
bool IsDeviceFolder(const std::string& folder) {
    for (const char* root : {"/dev", "/proc"}) {
        const std::string prefix(root);
        if (folder == prefix || folder.rfind(prefix + "/", 0) == 0) return true;
    }
    return false;
}

}  // namespace

PosixFileSystem::PosixFileSystem(std::string folder) : folder_(std::move(folder)) {
    while (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
}

std::string PosixFileSystem::Resolve(const std::string& name) const {
    struct stat st;
    if (::lstat((folder_ + "/" + name).c_str(), &st) == 0) return name;  // exact spelling wins
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
    return ReadFully(fd.get(), resolved, bytes);
}

Status PosixFileSystem::ReadRange(const std::string& name, std::uint64_t offset, std::uint64_t length,
                                  std::string& bytes) const {
    bytes.clear();
    const std::string resolved = Resolve(name);
    FileHandle fd(::open((folder_ + "/" + resolved).c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return errno == ENOENT ? Status::Ok() : Failure(resolved, errno);
    bytes.resize(static_cast<std::size_t>(length));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd.get(), bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Failure(resolved, errno);
        if (n == 0) break;
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
    FileHandle fd(::open((folder_ + "/" + resolved).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, kNewFileMode));
    if (fd.get() < 0) return Failure(resolved, errno);
    return fd.Close() == 0 ? Status::Ok() : Failure(resolved, errno);
}

Status PosixFileSystem::WriteAt(const std::string& name, std::uint64_t offset, const std::string& bytes) {
    const std::string resolved = Resolve(name);
    int raw = -1;
    if (Status s = OpenForWriting(resolved, folder_ + "/" + resolved, 0, raw); !s.ok()) return s;
    FileHandle fd(raw);
    Status s = WriteFully(fd.get(), resolved, bytes.data(), bytes.size(), static_cast<off_t>(offset));
    if (s.ok() && ::fdatasync(fd.get()) != 0) s = Failure(resolved, errno);
    if (s.ok() && fd.Close() != 0) s = Failure(resolved, errno);
    return s;
}

Status PosixFileSystem::Append(const std::string& name, const std::string& bytes) {
    const std::string resolved = Resolve(name);
    int raw = -1;
    if (Status s = OpenForWriting(resolved, folder_ + "/" + resolved, O_APPEND, raw); !s.ok()) return s;
    FileHandle fd(raw);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) return Failure(resolved, errno);
    Status s = WriteFully(fd.get(), resolved, bytes.data(), bytes.size(), st.st_size);
    if (s.ok() && ::fdatasync(fd.get()) != 0) s = Failure(resolved, errno);
    if (s.ok() && fd.Close() != 0) s = Failure(resolved, errno);
    return s;
}

Status PosixFileSystem::ReplaceWhole(const std::string& name, const std::string& tempName,
                                     const std::string& bytes) {
    // A data file that is a link is rewritten where the link leads, beside
    // its target, so the link stays and no second copy of the data appears.
    const std::string path = FollowLinks(PathOf(name));
    struct stat st;
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists) {
        if (Status s = CheckWritable(Resolve(name), path, st); !s.ok()) return s;
    }
    return ReplaceAtomically(path, DirectoryOf(path) + "/" + tempName, bytes, exists ? &st : nullptr);
}

Status PosixFileSystem::Remove(const std::string& name) {
    const std::string resolved = Resolve(name);
    if (::unlink((folder_ + "/" + resolved).c_str()) != 0 && errno != ENOENT) return Failure(resolved, errno);
    return Status::Ok();
}

Status PosixFileSystem::Rename(const std::string& from, const std::string& to) {
    const std::string source = Resolve(from);
    if (::rename((folder_ + "/" + source).c_str(), PathOf(to).c_str()) != 0) return Failure(source, errno);
    return SyncDirectory(folder_);
}

namespace {

// The entries of `folder` whose kind (links followed) passes `wanted`.
std::vector<std::string> EntriesOf(const std::string& folder, bool (*wanted)(mode_t)) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        struct stat st;
        if (::stat((folder + "/" + name).c_str(), &st) == 0 && wanted(st.st_mode)) names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

bool IsRegularMode(mode_t mode) { return S_ISREG(mode); }
bool IsFolderMode(mode_t mode) { return S_ISDIR(mode); }

}  // namespace

std::vector<std::string> PosixFileSystem::List() const { return EntriesOf(folder_, IsRegularMode); }

std::vector<std::string> PosixFileSystem::Folders() const { return EntriesOf(folder_, IsFolderMode); }

Status PosixFileSystem::MakeFolder(const std::string& name) {
    const std::string path = name == "." ? folder_ : folder_ + "/" + name;
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string part = path.substr(0, end);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return Failure(part, errno);
        if (end == std::string::npos) break;
    }
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return Failure(path, errno);
    return S_ISDIR(st.st_mode) ? Status::Ok() : Failure(path, ENOTDIR);
}

Status PosixFileSystem::RemoveFolder(const std::string& name) {
    const std::string path = folder_ + "/" + name;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? Status::Ok() : Failure(path, errno);
    if (!S_ISDIR(st.st_mode)) return Failure(path, ENOTDIR);
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return Failure(path, errno);
    Status s;
    while (dirent* entry = ::readdir(dir)) {
        const std::string file = entry->d_name;
        if (file == "." || file == "..") continue;
        if (::unlink((path + "/" + file).c_str()) != 0 && s.ok()) s = Failure(path + "/" + file, errno);
    }
    ::closedir(dir);
    if (s.ok() && ::rmdir(path.c_str()) != 0) s = Failure(path, errno);
    if (s.ok()) s = SyncDirectory(folder_);
    return s;
}

Status PosixFileSystem::Inspect(const std::string& name, FileInfo& info) const {
    const std::string path = FollowLinks(name == "." ? folder_ : PathOf(name));
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) return Failure(name == "." ? folder_ : Resolve(name), errno);
        InfoOfMissing(path, info);
        return Status::Ok();
    }
    FillInfo(path, st, info);
    return Status::Ok();
}

std::unique_ptr<FileSystem> PosixFileSystem::OtherFolder(const std::string& folder) const {
    return std::make_unique<PosixFileSystem>(folder);
}

Status PosixFileSystem::WriteOutputPieces(const std::string& name, const std::string& tempName,
                                          const OutputPieces& pieces, bool keepContent, const OutputCheck& check) {
    // Output files lie outside the data folder: failures name their full path.
    const std::string path = folder_ + "/" + Resolve(name);
    struct stat st;
    const bool found = ::stat(path.c_str(), &st) == 0;
    if (found && S_ISDIR(st.st_mode)) return Failure(path, EISDIR);
    if (found && (!S_ISREG(st.st_mode) || IsDeviceFolder(folder_))) return WriteStream(path, path, pieces, check);
    const std::string target = FollowLinks(path);
    // The check sees the file as opened, so a name swapped after a look at it
    // cannot lead the write elsewhere.
    FileHandle fd(::open(target.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0 && errno != ENOENT) return Failure(path, errno);
    FileInfo info;
    const bool exists = fd.get() >= 0;
    if (exists) {
        if (::fstat(fd.get(), &st) != 0) return Failure(path, errno);
        if (!S_ISREG(st.st_mode)) return Failure(path, EINVAL);
        FillInfo(target, st, info);
    } else {
        InfoOfMissing(target, info);
    }
    if (Status s = check(info); !s.ok()) return s;
    if (exists) {
        if (Status s = CheckWritable(path, target, st); !s.ok()) return s;
    }
    // The present content is copied from the file as opened, then the pieces
    // follow: neither is ever held whole.
    const bool copy = exists && keepContent;
    const BodyWriter body = [&](int out, const std::string& temp) {
        if (copy) {
            if (Status s = CopyContent(fd.get(), path, out, temp); !s.ok()) return s;
        }
        return WritePieces(out, temp, pieces);
    };
    return ReplaceAtomically(target, DirectoryOf(target) + "/" + tempName, body, exists ? &st : nullptr);
}

}  // namespace tessamo
