#include "backups/BackupSettings.h"

#include <sstream>
#include <vector>

#include "core/FixedText.h"
#include "platform/DataFolder.h"

namespace tessamo {
namespace {

std::string SectionLine(const std::string& dataFolder) { return "[" + dataFolder + "]"; }
bool IsSection(const std::string& line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void ApplyLine(const std::string& line, BackupSettings& settings) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) return;
    const std::string key = TrimBlanks(line.substr(0, equals)), value = TrimBlanks(line.substr(equals + 1));
    if (key == "automatic") settings.automatic = value != "off";
    if (key == "folder") settings.folder = value;
    if (key == "failed") settings.failed = value;
}

}  // namespace

std::string DefaultBackupFolder(const std::string& dataFolder, const std::string& userDataFolder) {
    return dataFolder == userDataFolder ? dataFolder + "/backups" : dataFolder + "-backups";
}

std::string BackupFolderOf(const BackupSettings& settings, const std::string& dataFolder,
                           const std::string& userDataFolder) {
    return settings.folder.empty() ? DefaultBackupFolder(dataFolder, userDataFolder) : settings.folder;
}

Status ReadBackupSettings(const FileSystem& config, const std::string& dataFolder, BackupSettings& settings) {
    settings = BackupSettings{};
    std::string text;
    if (Status s = config.ReadAll(kBackupSettingsName, text); !s.ok() && !s.IsNotFound()) return s;
    bool inSection = false;
    for (const std::string& line : Lines(text)) {
        if (IsSection(line)) inSection = line == SectionLine(dataFolder);
        else if (inSection) ApplyLine(line, settings);
    }
    return Status::Ok();
}

Status WriteBackupSettings(FileSystem& config, const std::string& dataFolder, const BackupSettings& settings) {
    std::string old;
    if (Status s = config.ReadAll(kBackupSettingsName, old); !s.ok() && !s.IsNotFound()) return s;
    std::string text = old.empty() ? "# Tessamo's automatic backups, per data folder\n" : "";
    bool inSection = false;
    for (const std::string& line : Lines(old)) {
        if (IsSection(line)) inSection = line == SectionLine(dataFolder);
        if (!inSection) text += line + "\n";
    }
    text += SectionLine(dataFolder) + "\nautomatic = " + (settings.automatic ? "on" : "off") +
            "\nfolder = " + settings.folder + "\n";
    if (!settings.failed.empty()) text += "failed = " + settings.failed + "\n";
    if (Status s = config.MakeFolder("."); !s.ok()) return s;
    return config.ReplaceWhole(kBackupSettingsName, "backups.conf.$$$", text);
}

std::unique_ptr<FileSystem> ConfigFolderOf(const FileSystem& data) { return data.OtherFolder(UserConfigFolder()); }

Status LoadBackupSettings(const FileSystem& data, BackupSettings& settings, std::string& rootFolder) {
    Status s = ReadBackupSettings(*ConfigFolderOf(data), data.Folder(), settings);
    rootFolder = BackupFolderOf(settings, data.Folder(), UserDataFolder());
    return s;
}

}  // namespace tessamo
