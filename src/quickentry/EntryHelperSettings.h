#pragma once
// Which helpers of our own are on: note completion, the suggested category,
// amount arithmetic, Duplicate Line, and the Due entries window at start. A
// setting of the user, not of the data folder, kept in "entry-helpers.conf"
// in the user's configuration folder, plain text:
//
//   # Helpers of the entry editor and the start, each "on" or "off".
//   note-completion = on
//   suggested-category = on
//   amount-arithmetic = on
//   duplicate-line = on
//   due-entries-at-start = on
//
// A missing file or line reads as "on"; a line that does not read is ignored.
#include <string>

#include "platform/FileSystem.h"

namespace tessamo {

inline constexpr const char* kEntryHelperSettingsName = "entry-helpers.conf";

struct EntryHelperSettings {
    bool noteCompletion = true;
    bool suggestedCategory = true;
    bool amountArithmetic = true;
    bool duplicateLine = true;
    bool dueEntriesAtStart = true;
};

EntryHelperSettings ParseEntryHelperSettings(const std::string& text);
std::string EntryHelperSettingsText(const EntryHelperSettings& settings);

Status ReadEntryHelperSettings(const FileSystem& config, EntryHelperSettings& settings);
// Creates the configuration folder when missing; the file is replaced atomically.
Status WriteEntryHelperSettings(FileSystem& config, const EntryHelperSettings& settings);

}  // namespace tessamo
