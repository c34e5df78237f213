#include "platform/LocalPaths.h"

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

#include "platform/PosixFileSystem.h"

namespace tessamo {

PathParts SplitPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {"", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

Result<std::string> AbsolutePath(const std::string& path) {
    std::error_code ec;
    std::string absolute = std::filesystem::absolute(path, ec).string();
    if (ec) return Status::IOError(path, ec.message());
    return absolute;
}

FileKind LocalFileKind(const std::string& path) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (std::filesystem::is_regular_file(status)) return FileKind::Regular;
    if (std::filesystem::is_directory(status)) return FileKind::Directory;
    return std::filesystem::exists(status) ? FileKind::Other : FileKind::Missing;
}

bool ReadableFile(const std::string& path) { return ::access(path.c_str(), R_OK) == 0; }

std::optional<std::string> EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

std::unique_ptr<FileSystem> LocalFolder(const std::string& folder) { return std::make_unique<PosixFileSystem>(folder); }

std::string LexicallyNormal(const std::string& path) {
    return std::filesystem::path(path).lexically_normal().string();
}

}  // namespace tessamo
