#pragma once
// The schedule file: a plain-text file of ours in the data folder, beside the
// macro files whose bytes stay as they are. Its header says its format:
//
//   # Schedules of macro files: when each comes due and which of its dates are done.
//   # One schedule a line, six fields separated by tabs:
//   #   MACRO RULE FROM UNTIL DONE-THROUGH DONE-DATES
//   # RULE: "monthly DAY", "weekly WEEKDAY" (mon ... sun), "every-months N day DAY"
//   #   or "yearly MM-DD". Dates are YYYY-MM-DD; "-" stands for none. DONE-DATES:
//   #   single done dates after DONE-THROUGH, separated by commas.
//   # Lines beginning with "#" and empty lines are comments.
//
// The file is written whole (temp file, fsync, rename). A line that does not
// read is corruption: nothing is entered from a file that cannot say what
// is done.
#include <string>
#include <vector>

#include "due/Schedule.h"
#include "platform/FileSystem.h"
#include "platform/Result.h"

namespace tessamo {

inline constexpr const char* kScheduleFileName = "schedules.txt";
inline constexpr const char* kScheduleTempName = "tempsched.$$$";

// A missing file holds no schedules.
Status ReadSchedules(const FileSystem& files, std::vector<Schedule>& schedules);
// One transaction named `description` (what history and undo show).
Status WriteSchedules(FileSystem& files, const std::vector<Schedule>& schedules,
                      const std::string& description = "Change of the schedules");

std::string ScheduleFileText(const std::vector<Schedule>& schedules);
// Corruption saying "line N: reason" when the text does not read.
Result<std::vector<Schedule>> ParseScheduleFile(const std::string& text);

// The schedule of `macro` (names compared without regard to letter case), or nullptr.
Schedule* FindSchedule(std::vector<Schedule>& schedules, const std::string& macro);
// Sets `wanted` as its macro's schedule. A schedule set again keeps the dates
// already done, so changing the rule never enters a date twice.
void PutSchedule(std::vector<Schedule>& schedules, Schedule wanted);
// Removes the macro's schedule; false when it has none.
bool RemoveSchedule(std::vector<Schedule>& schedules, const std::string& macro);

}  // namespace tessamo
