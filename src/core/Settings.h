#pragma once
// Access to "PERSONAL.DAT", the settings file. Every writer reads record 1
// whole, changes only its own field and writes the whole record back, so the
// reserved bytes and reminder slots travel through unchanged.
#include <functional>

#include "core/Records.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace tessamo {

inline constexpr const char* kSettingsFileName = "PERSONAL.DAT";

// Reads record 1 without creating anything: a missing or empty file gives the
// new-file values (LastStartDate = today).
Status ReadSettings(const FileSystem& files, const Clock& clock, SettingsRecord& settings);

// Reads record 1, or, when the file is empty or missing, creates it with the
// new-file values (LastStartDate = today) and writes it.
Status ReadOrCreateSettings(FileSystem& files, const Clock& clock, SettingsRecord& settings);

// Reads record 1, lets `change` set its field, writes record 1 in place;
// `settings` receives the record as written.
Status ChangeSettings(FileSystem& files, const Clock& clock, const std::function<void(SettingsRecord&)>& change,
                      SettingsRecord& settings);

}  // namespace tessamo
