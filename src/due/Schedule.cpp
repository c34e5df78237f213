#include "due/Schedule.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tessamo {
namespace {

constexpr std::array<const char*, 7> kWeekdayNames = {"monday", "tuesday", "wednesday", "thursday",
                                                       "friday", "saturday", "sunday"};

int MonthIndex(const CalendarDate& date) { return date.year * 12 + date.month - 1; }

CalendarDate ClampedDate(int year, int month, int day) {
    return CalendarDate{month, std::min(day, DaysInMonth(year, month)), year};
}

// Dates on `day` of every `step`-th month counted from `start`'s month.
void MonthStepDates(const CalendarDate& start, int step, int day, const CalendarDate& lo, const CalendarDate& hi,
                    std::vector<CalendarDate>& dates) {
    int index = MonthIndex(start);
    if (MonthIndex(lo) > index) index += (MonthIndex(lo) - index + step - 1) / step * step;
    for (; index <= MonthIndex(hi); index += step) {
        const CalendarDate date = ClampedDate(index / 12, index % 12 + 1, day);
        if (lo <= date && date <= hi) dates.push_back(date);
    }
}

std::string TwoDigits(int n) { return n < 10 ? "0" + std::to_string(n) : std::to_string(n); }

}  // namespace

std::vector<CalendarDate> Schedule::DatesThrough(const CalendarDate& through) const {
    return DatesBetween(from, through);
}

std::vector<CalendarDate> Schedule::DatesBetween(const CalendarDate& first, const CalendarDate& last) const {
    std::vector<CalendarDate> dates;
    const CalendarDate lo = from < first ? first : from;
    const CalendarDate hi = until && *until < last ? *until : last;
    if (hi < lo) return dates;
    switch (kind) {
        case ScheduleKind::Monthly:
            MonthStepDates(from, 1, day, lo, hi, dates);
            break;
        case ScheduleKind::EveryMonths:
            MonthStepDates(from, months, day, lo, hi, dates);
            break;
        case ScheduleKind::Weekly:
            for (long n = DayNumber(lo) + (weekday - Weekday(lo) + 7) % 7; n <= DayNumber(hi); n += 7)
                dates.push_back(DateOfDayNumber(n));
            break;
        case ScheduleKind::Yearly:
            for (int year = lo.year; year <= hi.year; ++year) {
                const CalendarDate date = ClampedDate(year, month, day);
                if (lo <= date && date <= hi) dates.push_back(date);
            }
            break;
    }
    return dates;
}

bool Schedule::IsDone(const CalendarDate& date) const {
    return (doneThrough && date <= *doneThrough) || doneDates.count(DayNumber(date)) > 0;
}

CalendarDate Schedule::FirstOpenCandidate() const {
    return doneThrough ? DateOfDayNumber(DayNumber(*doneThrough) + 1) : from;
}

void Schedule::MarkDone(const CalendarDate& date) {
    if (doneThrough && date <= *doneThrough) return;
    doneDates.insert(DayNumber(date));
    for (const CalendarDate& next : DatesBetween(FirstOpenCandidate(), DateOfDayNumber(*doneDates.rbegin()))) {
        if (doneDates.erase(DayNumber(next)) == 0) break;
        doneThrough = next;
    }
    // Dates the rule no longer has (it was changed) are dropped once passed.
    if (doneThrough) doneDates.erase(doneDates.begin(), doneDates.upper_bound(DayNumber(*doneThrough)));
}

std::vector<CalendarDate> Schedule::OpenDatesThrough(const CalendarDate& through) const {
    std::vector<CalendarDate> dates = DatesBetween(FirstOpenCandidate(), through);
    std::erase_if(dates, [this](const CalendarDate& date) { return IsDone(date); });
    return dates;
}

std::string Schedule::RuleText() const {
    switch (kind) {
        case ScheduleKind::Monthly:
            return "monthly " + std::to_string(day);
        case ScheduleKind::Weekly:
            return "weekly " + WeekdayWord(weekday);
        case ScheduleKind::EveryMonths:
            return "every-months " + std::to_string(months) + " day " + std::to_string(day);
        case ScheduleKind::Yearly:
            return "yearly " + TwoDigits(month) + "-" + TwoDigits(day);
    }
    return {};
}

std::optional<std::string> Schedule::Problem() const {
    if (kind == ScheduleKind::Weekly) {
        if (weekday < 1 || weekday > 7) return "the weekday must be mon ... sun or 1 ... 7";
    } else if (kind == ScheduleKind::Yearly) {
        if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(2000, month))
            return "the yearly date must be a month and day MM-DD, such as 02-29";
    } else if (day < 1 || day > 31) {
        return "the day must be 1 ... 31";
    }
    if (kind == ScheduleKind::EveryMonths && (months < 1 || months > 120))
        return "the number of months must be 1 ... 120";
    if (until && *until < from) return "the last date comes before the first";
    return std::nullopt;
}

std::optional<int> ParseWeekday(const std::string& word) {
    if (word.size() == 1 && word[0] >= '1' && word[0] <= '7') return word[0] - '0';
    std::string lower = word;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::size_t i = 0; i < kWeekdayNames.size(); ++i) {
        const std::string name = kWeekdayNames[i];
        if (lower == name || lower == name.substr(0, 3)) return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

std::string WeekdayWord(int weekday) {
    return weekday >= 1 && weekday <= 7 ? std::string(kWeekdayNames[weekday - 1]).substr(0, 3) : "?";
}

}  // namespace tessamo
