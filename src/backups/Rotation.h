#pragma once
// Rotation: which automatic backups stay. Kept are the newest good backup of
// each of the last 7 days that have one, of each of the last 5 weeks
// (Monday to Sunday) and of each of the last 12 months, and always the
// newest good backup. Nothing newer than the newest good backup is removed,
// so a backup goes only once a newer good copy exists, and a bad copy is
// never what stands in for a good one. A safety copy made before a restore
// (pinned) is never removed by rotation; the user removes it.
#include <string>
#include <vector>

#include "backups/BackupList.h"

namespace tessamo {

inline constexpr int kDailyKept = 7;
inline constexpr int kWeeklyKept = 5;
inline constexpr int kMonthlyKept = 12;

// The names of the folders to remove, oldest first. `entries` oldest first,
// of one data folder.
std::vector<std::string> FoldersToRemove(const std::vector<BackupEntry>& entries);

}  // namespace tessamo
