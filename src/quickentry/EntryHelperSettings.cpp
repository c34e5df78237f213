#include "quickentry/EntryHelperSettings.h"

#include <array>
#include <sstream>
#include <utility>

#include "core/SettingLine.h"

namespace tessamo {
namespace {

using Switch = std::pair<const char*, bool EntryHelperSettings::*>;
constexpr std::array<Switch, 5> kSwitches = {{
    {"note-completion", &EntryHelperSettings::noteCompletion},
    {"suggested-category", &EntryHelperSettings::suggestedCategory},
    {"amount-arithmetic", &EntryHelperSettings::amountArithmetic},
    {"duplicate-line", &EntryHelperSettings::duplicateLine},
    {"due-entries-at-start", &EntryHelperSettings::dueEntriesAtStart},
}};

}  // namespace

EntryHelperSettings ParseEntryHelperSettings(const std::string& text) {
    EntryHelperSettings settings;
    std::istringstream lines(text);
    std::string name, value;
    for (std::string line; std::getline(lines, line);) {
        if (!SplitSettingLine(line, name, value)) continue;
        for (const auto& [key, member] : kSwitches)
            if (name == key && (value == "on" || value == "off")) settings.*member = value == "on";
    }
    return settings;
}

std::string EntryHelperSettingsText(const EntryHelperSettings& settings) {
    std::string text = "# Helpers of the entry editor and the start, each \"on\" or \"off\".\n";
    for (const auto& [key, member] : kSwitches) text += std::string(key) + " = " + (settings.*member ? "on" : "off") + "\n";
    return text;
}

Status ReadEntryHelperSettings(const FileSystem& config, EntryHelperSettings& settings) {
    std::string text;
    Status s = config.ReadAll(kEntryHelperSettingsName, text);
    settings = ParseEntryHelperSettings(s.ok() ? text : std::string());
    return s;
}

Status WriteEntryHelperSettings(FileSystem& config, const EntryHelperSettings& settings) {
    if (Status s = config.MakeFolder("."); !s.ok()) return s;
    return config.ReplaceWhole(kEntryHelperSettingsName, "entry-helpers.$$$", EntryHelperSettingsText(settings));
}

}  // namespace tessamo
