#include "due/IsoDate.h"


namespace tessamo {
namespace {

// `n` (not negative) with leading zeros to `width` digits.
std::string Padded(int n, std::size_t width) {
    std::string text = std::to_string(n);
    return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

std::string TwoDigits(int n) { return Padded(n % 100, 2); }

bool ReadDigits(const std::string& text, std::size_t at, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

std::optional<CalendarDate> ParseIsoDate(const std::string& text) {
    CalendarDate date;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    if (!ReadDigits(text, 0, 4, date.year) || !ReadDigits(text, 5, 2, date.month) || !ReadDigits(text, 8, 2, date.day))
        return std::nullopt;
    if (date.year < 1900 || date.month < 1 || date.month > 12) return std::nullopt;
    if (date.day < 1 || date.day > DaysInMonth(date.year, date.month)) return std::nullopt;
    return date;
}

std::string IsoDateText(const CalendarDate& date) {
    return Padded(date.year, 4) + "-" + Padded(date.month, 2) + "-" + Padded(date.day, 2);
}

// Civil-date conversions after the well-known era algorithm (400-year eras
// of 146097 days, March-based years so that February's end comes last).
long DayNumber(const CalendarDate& date) {
    const int y = date.year - (date.month <= 2 ? 1 : 0);
    const long era = y / 400;
    const long yearOfEra = y - era * 400;
    const long dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CalendarDate DateOfDayNumber(long days) {
    days += 719468;
    const long era = days / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long mp = (5 * dayOfYear + 2) / 153;
    CalendarDate date;
    date.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

int Weekday(const CalendarDate& date) {
    // 1970-01-01 was a Thursday (4).
    const long shifted = (DayNumber(date) + 3) % 7;
    return static_cast<int>(shifted < 0 ? shifted + 7 : shifted) + 1;
}

std::string TypedDateInStyle(const CalendarDate& date, const std::string& style) {
    const std::string month = TwoDigits(date.month), day = TwoDigits(date.day);
    return style == "E" ? day + "-" + month : month + "-" + day;
}

std::string StoredDateInStyle(const CalendarDate& date, const std::string& style) {
    return TypedDateInStyle(date, style) + "-" + TwoDigits(date.year);
}

std::string FullDateInStyle(const CalendarDate& date, const std::string& style) {
    return TypedDateInStyle(date, style) + "-" + Padded(date.year, 4);
}

std::optional<CalendarDate> ParseFullDateInStyle(const std::string& text, const std::string& style) {
    if (text.size() != 10 || text[2] != '-' || text[5] != '-') return std::nullopt;
    const bool dayFirst = style == "E";
    return ParseIsoDate(text.substr(6, 4) + "-" + text.substr(dayFirst ? 3 : 0, 2) + "-" +
                        text.substr(dayFirst ? 0 : 3, 2));
}

}  // namespace tessamo
