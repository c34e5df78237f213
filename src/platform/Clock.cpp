#include "platform/Clock.h"

#include <cstdlib>
#include <ctime>

namespace tessamo {
namespace {

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

bool ParseTodayOverride(const std::string& text, CalendarDate& date) {
    if (text.size() != 10 || text[2] != '-' || text[5] != '-') return false;
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (text[i] < '0' || text[i] > '9') return false;
    CalendarDate d{std::atoi(text.substr(0, 2).c_str()), std::atoi(text.substr(3, 2).c_str()),
                   std::atoi(text.substr(6, 4).c_str())};
    if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > 31) return false;
    date = d;
    return true;
}

bool ParseTimeOverride(const std::string& text, TimeOfDay& time) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') return false;
    for (int i : {0, 1, 3, 4, 6, 7})
        if (text[i] < '0' || text[i] > '9') return false;
    TimeOfDay t{std::atoi(text.substr(0, 2).c_str()), std::atoi(text.substr(3, 2).c_str()),
                std::atoi(text.substr(6, 2).c_str())};
    if (t.hour > 23 || t.minute > 59 || t.second > 59) return false;
    time = t;
    return true;
}

TimeOfDay SystemClock::TimeNow() const {
    TimeOfDay time;
    if (const char* fixed = std::getenv("TESSAMO_TIME"); fixed && ParseTimeOverride(fixed, time)) return time;
    const std::tm local = LocalNow();
    return {local.tm_hour, local.tm_min, local.tm_sec};
}

CalendarDate SystemClock::Today() const {
    CalendarDate date;
    if (const char* fixed = std::getenv("TESSAMO_TODAY"); fixed && ParseTodayOverride(fixed, date)) return date;
    const std::tm local = LocalNow();
    return {local.tm_mon + 1, local.tm_mday, local.tm_year + 1900};
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace tessamo
