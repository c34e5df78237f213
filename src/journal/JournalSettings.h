#pragma once
// How much history the journal keeps: a setting of the user, kept in
// "history.conf" in the user's configuration folder, plain text:
//
//   # The history of changes keeps the last N changes or M MiB, whichever is less.
//   changes = 1000
//   megabytes = 64
//
// A missing file, or a line that does not read, gives the default.
#include <string>

#include "journal/Journal.h"

namespace tessamo {

inline constexpr const char* kJournalSettingsName = "history.conf";

JournalLimits ParseJournalLimits(const std::string& text);
std::string JournalLimitsText(const JournalLimits& limits);

// The limits of the configuration folder `config` (the default when unset).
JournalLimits ReadJournalLimits(const FileSystem& config);
// Creates the configuration folder when missing; the file is replaced atomically.
Status WriteJournalLimits(FileSystem& config, const JournalLimits& limits);

}  // namespace tessamo
