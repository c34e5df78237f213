#include "platform/DataFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tessamo {
namespace {

bool HoldsSettingsFile(const std::string& dir) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        if (strcasecmp(entry.path().filename().c_str(), "PERSONAL.DAT") == 0) return true;
    }
    return false;
}


// Makes every missing folder of `path` readable by the owner alone: the data
// folder holds a household's finances. An existing folder keeps its mode.
Status CreateFolders(const std::string& path) {
    for (std::size_t end = path.find('/', 1); ; end = path.find('/', end + 1)) {
        const std::string part = path.substr(0, end);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return Status::IOError(part, std::strerror(errno));
        if (end == std::string::npos) return Status::Ok();
    }
}

// $`variable`/tessamo, else ~/`fallback`/tessamo.
std::string XdgFolder(const char* variable, const char* fallback) {
    if (const char* xdg = std::getenv(variable); xdg && *xdg) return std::string(xdg) + "/tessamo";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/" + fallback + "/tessamo";
}

}  // namespace

std::string UserDataFolder() { return XdgFolder("XDG_DATA_HOME", ".local/share"); }

std::string UserConfigFolder() { return XdgFolder("XDG_CONFIG_HOME", ".config"); }

std::string ExecutableDirectory() {
    char buffer[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    return std::filesystem::path(std::string(buffer, static_cast<std::size_t>(n))).parent_path().string();
}

Status ResolveDataFolder(const std::string& executableDir, std::string& folder) {
    if (const char* home = std::getenv("TESSAMO_HOME"); home && *home) {
        folder = home;
    } else if (!executableDir.empty() && HoldsSettingsFile(executableDir)) {
        folder = executableDir;
    } else {
        folder = UserDataFolder();
    }
    if (Status s = CreateFolders(folder); !s.ok()) return s;
    std::error_code ec;
    folder = std::filesystem::absolute(folder, ec).lexically_normal().string();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (!std::filesystem::is_directory(folder, ec)) return Status::IOError(folder, "Not a directory");
    return Status::Ok();
}

}  // namespace tessamo
