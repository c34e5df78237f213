#include "journal/JournalSettings.h"

#include <charconv>
#include <sstream>

#include "core/SettingLine.h"

namespace tessamo {
namespace {

constexpr std::uint64_t kMiB = 1ull << 20;
constexpr std::uint64_t kMostMegabytes = 1ull << 20;  // a terabyte: beyond it a typing error

bool ReadCount(const std::string& text, std::uint64_t& value) {
    std::uint64_t read = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (error != std::errc() || end != text.data() + text.size() || read == 0 || read > kMostMegabytes) return false;
    value = read;
    return true;
}

}  // namespace

JournalLimits ParseJournalLimits(const std::string& text) {
    JournalLimits limits;
    std::istringstream lines(text);
    std::string name, number;
    for (std::string line; std::getline(lines, line);) {
        std::uint64_t value = 0;
        if (!SplitSettingLine(line, name, number) || !ReadCount(number, value)) continue;
        if (name == "changes") limits.changes = value;
        if (name == "megabytes") limits.bytes = value * kMiB;
    }
    return limits;
}

std::string JournalLimitsText(const JournalLimits& limits) {
    return "# The history of changes keeps the last N changes or M MiB, whichever is less.\nchanges = " +
           std::to_string(limits.changes) + "\nmegabytes = " + std::to_string(limits.bytes / kMiB) + "\n";
}

JournalLimits ReadJournalLimits(const FileSystem& config) {
    std::string text;
    return ParseJournalLimits(config.ReadAll(kJournalSettingsName, text).ok() ? text : std::string());
}

Status WriteJournalLimits(FileSystem& config, const JournalLimits& limits) {
    if (Status s = config.MakeFolder("."); !s.ok()) return s;
    return config.ReplaceWhole(kJournalSettingsName, "history.$$$", JournalLimitsText(limits));
}

}  // namespace tessamo
