#pragma once
// Calendar dates for schedules: "YYYY-MM-DD" texts, whatever the folder's
// date style, and the day arithmetic the schedules need. Years run from 1900
// to 9999, the years a ledger file can be named after.
#include <optional>
#include <string>

#include "platform/Clock.h"

namespace tessamo {

inline bool operator==(const CalendarDate& a, const CalendarDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}
inline bool operator<(const CalendarDate& a, const CalendarDate& b) {
    if (a.year != b.year) return a.year < b.year;
    if (a.month != b.month) return a.month < b.month;
    return a.day < b.day;
}
inline bool operator<=(const CalendarDate& a, const CalendarDate& b) { return !(b < a); }


// A real date of the years 1900..9999 written exactly as "YYYY-MM-DD".
std::optional<CalendarDate> ParseIsoDate(const std::string& text);
std::string IsoDateText(const CalendarDate& date);

// Days since 1970-01-01 and back; the weekday of a date, Monday = 1 .. Sunday = 7.
long DayNumber(const CalendarDate& date);
CalendarDate DateOfDayNumber(long days);
int Weekday(const CalendarDate& date);

// The date's five characters as typed in the style ("03-15" for A, "15-03"
// for E), and the stored 8-character date ("03-15-26").
std::string TypedDateInStyle(const CalendarDate& date, const std::string& style);
std::string StoredDateInStyle(const CalendarDate& date, const std::string& style);
// The date with its whole year in the style, as windows show schedule dates:
// "03-15-2026" (A), "15-03-2026" (E); and read back, a real date or nothing.
std::string FullDateInStyle(const CalendarDate& date, const std::string& style);
std::optional<CalendarDate> ParseFullDateInStyle(const std::string& text, const std::string& style);

}  // namespace tessamo
