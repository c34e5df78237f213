#pragma once
// BackupName: an automatic backup's folder is named after the moment it was
// made, "YYYY-MM-DD_HHMMSS", so names sort as the moments do. A folder still
// being filled carries ".partial" after that name and is renamed once it is
// complete, so a run that is cut off never leaves a folder that looks whole.
#include <string>

#include "platform/Clock.h"

namespace tessamo {

inline constexpr const char* kPartialSuffix = ".partial";

struct BackupTime {
    CalendarDate date;
    TimeOfDay time;
};

std::string BackupFolderName(const BackupTime& moment);
// False when `name` is not a folder name of that form (a valid date and time).
bool ParseBackupFolderName(const std::string& name, BackupTime& moment);
// The moment one second later (carried into the next day).
BackupTime NextSecond(const BackupTime& moment);
// Days since 1970-01-01 (negative before), for grouping by week.
long DaysSinceEpoch(const CalendarDate& date);

}  // namespace tessamo
