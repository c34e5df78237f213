#include "due/ScheduleFile.h"

#include <sstream>

#include "core/FixedText.h"

#include "journal/Transaction.h"

namespace tessamo {
namespace {

constexpr const char* kHeader =
    "# Schedules of macro files: when each comes due and which of its dates are done.\n"
    "# One schedule a line, six fields separated by tabs:\n"
    "#   MACRO RULE FROM UNTIL DONE-THROUGH DONE-DATES\n"
    "# RULE: \"monthly DAY\", \"weekly WEEKDAY\" (mon ... sun), \"every-months N day DAY\"\n"
    "#   or \"yearly MM-DD\". Dates are YYYY-MM-DD; \"-\" stands for none. DONE-DATES:\n"
    "#   single done dates after DONE-THROUGH, separated by commas.\n"
    "# Lines beginning with \"#\" and empty lines are comments.\n";

std::string OptionalDateText(const std::optional<CalendarDate>& date) { return date ? IsoDateText(*date) : "-"; }

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

bool ReadNumber(const std::string& word, int low, int high, int& value) {
    if (word.empty() || word.size() > 3 || word.find_first_not_of("0123456789") != std::string::npos) return false;
    value = std::stoi(word);
    return value >= low && value <= high;
}

bool ReadOptionalDate(const std::string& word, std::optional<CalendarDate>& date) {
    date.reset();
    if (word == "-") return true;
    date = ParseIsoDate(word);
    return date.has_value();
}

bool ReadRule(const std::string& text, Schedule& schedule) {
    const std::vector<std::string> words = Split(text, ' ');
    if (words.size() == 2 && words[0] == "monthly") {
        schedule.kind = ScheduleKind::Monthly;
        return ReadNumber(words[1], 1, 31, schedule.day);
    }
    if (words.size() == 2 && words[0] == "weekly") {
        schedule.kind = ScheduleKind::Weekly;
        const std::optional<int> weekday = ParseWeekday(words[1]);
        schedule.weekday = weekday.value_or(0);
        return weekday.has_value();
    }
    if (words.size() == 4 && words[0] == "every-months" && words[2] == "day") {
        schedule.kind = ScheduleKind::EveryMonths;
        return ReadNumber(words[1], 1, 120, schedule.months) && ReadNumber(words[3], 1, 31, schedule.day);
    }
    if (words.size() == 2 && words[0] == "yearly" && words[1].size() == 5 && words[1][2] == '-') {
        schedule.kind = ScheduleKind::Yearly;
        return ReadNumber(words[1].substr(0, 2), 1, 12, schedule.month) &&
               ReadNumber(words[1].substr(3), 1, 31, schedule.day);
    }
    return false;
}

bool ReadDoneDates(const std::string& word, std::set<long>& days) {
    if (word == "-") return true;
    for (const std::string& part : Split(word, ',')) {
        const std::optional<CalendarDate> date = ParseIsoDate(part);
        if (!date) return false;
        days.insert(DayNumber(*date));
    }
    return true;
}

// Reads one schedule line; the reason when it does not read.
std::optional<std::string> ReadScheduleLine(const std::string& line, Schedule& schedule) {
    const std::vector<std::string> fields = Split(line, '\t');
    if (fields.size() != 6) return "six fields separated by tabs are wanted";
    schedule.macro = fields[0];
    if (TrimBlanks(schedule.macro).empty()) return "the macro file name is missing";
    if (!ReadRule(fields[1], schedule)) return "\"" + fields[1] + "\" is no rule";
    const std::optional<CalendarDate> from = ParseIsoDate(fields[2]);
    if (!from) return "\"" + fields[2] + "\" is no first date";
    schedule.from = *from;
    if (!ReadOptionalDate(fields[3], schedule.until)) return "\"" + fields[3] + "\" is no last date";
    if (!ReadOptionalDate(fields[4], schedule.doneThrough) || !ReadDoneDates(fields[5], schedule.doneDates))
        return "the done dates do not read";
    if (std::optional<std::string> problem = schedule.Problem()) return *problem;
    return std::nullopt;
}

}  // namespace

std::string ScheduleFileText(const std::vector<Schedule>& schedules) {
    std::string text = kHeader;
    for (const Schedule& s : schedules) {
        std::string done;
        for (long day : s.doneDates) done += (done.empty() ? "" : ",") + IsoDateText(DateOfDayNumber(day));
        text += s.macro + "\t" + s.RuleText() + "\t" + IsoDateText(s.from) + "\t" + OptionalDateText(s.until) + "\t" +
                OptionalDateText(s.doneThrough) + "\t" + (done.empty() ? "-" : done) + "\n";
    }
    return text;
}

Result<std::vector<Schedule>> ParseScheduleFile(const std::string& text) {
    std::vector<Schedule> schedules;
    int number = 0;
    for (std::string line : Split(text, '\n')) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        Schedule schedule;
        if (std::optional<std::string> problem = ReadScheduleLine(line, schedule)) {
            return Status::Corruption({}, "line " + std::to_string(number) + ": " + *problem);
        }
        if (FindSchedule(schedules, schedule.macro)) {
            return Status::Corruption({}, "line " + std::to_string(number) + ": a second schedule of " +
                                                  schedule.macro);
        }
        schedules.push_back(std::move(schedule));
    }
    return schedules;
}

Status ReadSchedules(const FileSystem& files, std::vector<Schedule>& schedules) {
    schedules.clear();
    std::string text;
    if (Status s = files.ReadAll(kScheduleFileName, text); !s.ok()) return s;
    Result<std::vector<Schedule>> read = ParseScheduleFile(text);
    if (!read.ok()) return Status::Corruption(files.Resolve(kScheduleFileName), read.status().reason());
    schedules = std::move(read).value();
    return Status::Ok();
}

Status WriteSchedules(FileSystem& files, const std::vector<Schedule>& schedules, const std::string& description) {
    return RunAsTransaction(files, description, [&] {
        return files.ReplaceWhole(kScheduleFileName, kScheduleTempName, ScheduleFileText(schedules));
    });
}

Schedule* FindSchedule(std::vector<Schedule>& schedules, const std::string& macro) {
    const std::string wanted = ToUpperAscii(macro);
    for (Schedule& s : schedules)
        if (ToUpperAscii(s.macro) == wanted) return &s;
    return nullptr;
}

void PutSchedule(std::vector<Schedule>& schedules, Schedule wanted) {
    Schedule* old = FindSchedule(schedules, wanted.macro);
    if (!old) {
        schedules.push_back(std::move(wanted));
        return;
    }
    wanted.doneThrough = old->doneThrough;
    wanted.doneDates = old->doneDates;
    *old = std::move(wanted);
}

bool RemoveSchedule(std::vector<Schedule>& schedules, const std::string& macro) {
    const Schedule* found = FindSchedule(schedules, macro);
    if (found) schedules.erase(schedules.begin() + (found - schedules.data()));
    return found != nullptr;
}

}  // namespace tessamo
