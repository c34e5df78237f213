#include "backups/Rotation.h"

#include <set>

namespace tessamo {
namespace {

long DayOf(const BackupTime& t) { return DaysSinceEpoch(t.date); }
// 1970-01-01 was a Thursday: three days later a week (Monday to Sunday) begins.
long WeekOf(const BackupTime& t) {
    const long days = DayOf(t) + 3;
    return days >= 0 ? days / 7 : (days - 6) / 7;
}
long MonthOf(const BackupTime& t) { return t.date.year * 12L + t.date.month - 1; }

// Marks the newest good backup of each of the last `count` periods.
void KeepNewestPerPeriod(const std::vector<BackupEntry>& entries, long (*period)(const BackupTime&), int count,
                         std::set<std::string>& kept) {
    std::set<long> seen;
    for (auto it = entries.rbegin(); it != entries.rend() && static_cast<int>(seen.size()) < count; ++it) {
        if (!it->good || !seen.insert(period(it->time)).second) continue;
        kept.insert(it->name);
    }
}

}  // namespace

std::vector<std::string> FoldersToRemove(const std::vector<BackupEntry>& entries) {
    const BackupEntry* newest = NewestGood(entries);
    if (!newest) return {};
    std::set<std::string> kept{newest->name};
    KeepNewestPerPeriod(entries, DayOf, kDailyKept, kept);
    KeepNewestPerPeriod(entries, WeekOf, kWeeklyKept, kept);
    KeepNewestPerPeriod(entries, MonthOf, kMonthlyKept, kept);
    std::vector<std::string> removed;
    for (const BackupEntry& entry : entries)
        if (entry.name < newest->name && !kept.count(entry.name) && entry.manifest.pinned.empty())
            removed.push_back(entry.name);
    return removed;
}

}  // namespace tessamo
