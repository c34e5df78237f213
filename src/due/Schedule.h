#pragma once
// Schedule: when a macro file comes due. Every month on a day, every week on
// a weekday, every N months on a day (counted from the first date's month),
// or every year on a month and day; from a first date, optionally until a
// last date, both inclusive. A day past a month's end falls on the month's
// last day; a yearly 02-29 falls on 02-28 in the other years.
//
// Each schedule also keeps which of its dates are done (entered or skipped),
// so nothing comes due twice: every date up to `doneThrough`, and single
// later dates in `doneDates` (a date left for later keeps the ones after it
// from being folded in).
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "due/IsoDate.h"

namespace tessamo {

enum class ScheduleKind { Monthly, Weekly, EveryMonths, Yearly };

struct Schedule {
    std::string macro;  // the macro file's name in the data folder
    ScheduleKind kind = ScheduleKind::Monthly;
    int day = 1;      // Monthly, EveryMonths, Yearly: 1..31
    int weekday = 1;  // Weekly: Monday = 1 .. Sunday = 7
    int months = 1;   // EveryMonths: 1..120
    int month = 1;    // Yearly: 1..12
    CalendarDate from;
    std::optional<CalendarDate> until;

    std::optional<CalendarDate> doneThrough;
    std::set<long> doneDates;  // day numbers after doneThrough

    // The schedule's dates from `from` through the earlier of `until` and
    // `through`, in order; DatesBetween only those from `first` to `last`.
    std::vector<CalendarDate> DatesThrough(const CalendarDate& through) const;
    std::vector<CalendarDate> DatesBetween(const CalendarDate& first, const CalendarDate& last) const;
    // The dates through `through` that are not done yet, in order.
    std::vector<CalendarDate> OpenDatesThrough(const CalendarDate& through) const;
    bool IsDone(const CalendarDate& date) const;
    // Marks `date` done and folds the done dates that follow doneThrough
    // without a gap into it.
    void MarkDone(const CalendarDate& date);

    // The rule in words: "monthly 31", "weekly mon",
    // "every-months 3 day 15", "yearly 02-29" (the schedule file's words).
    std::string RuleText() const;
    // Why the rule's numbers cannot make a schedule, or nothing.
    std::optional<std::string> Problem() const;

private:
    // The day after doneThrough, or `from` when nothing is done.
    CalendarDate FirstOpenCandidate() const;
};

// Weekday words: "mon" .. "sun", the full English name, any case, or 1..7.
std::optional<int> ParseWeekday(const std::string& word);
std::string WeekdayWord(int weekday);

}  // namespace tessamo
