#pragma once
// LocalPaths: paths of the local disk the user names outside a data folder
// (a statement to import, a file to export to), and the program's
// environment. Everything else reaches files through FileSystem.
#include <memory>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Result.h"

namespace tessamo {

// A path split at its last '/': the folder ("/" for a file at the root, ""
// for a bare name) and the file name ("" when the path ends in '/').
struct PathParts {
    std::string folder;
    std::string name;
};
PathParts SplitPath(const std::string& path);

// `path` made absolute against the working folder (not resolved any further);
// IOError naming `path` when the working folder cannot be told.
Result<std::string> AbsolutePath(const std::string& path);
// `path` with "." and "name/.." taken out by their text alone (no link is read).
std::string LexicallyNormal(const std::string& path);

// What `path` leads to once links are followed; Missing when nothing does.
FileKind LocalFileKind(const std::string& path);

// True when `path` is a file this user may read.
bool ReadableFile(const std::string& path);

// The environment variable's value; nothing when it is unset.
std::optional<std::string> EnvironmentValue(const char* name);

// The real file system over a folder of the local disk (an absolute path).
std::unique_ptr<FileSystem> LocalFolder(const std::string& folder);

}  // namespace tessamo
