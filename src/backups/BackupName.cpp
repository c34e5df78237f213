#include "backups/BackupName.h"

#include <cstdio>

#include "platform/Clock.h"

namespace tessamo {
namespace {

bool Digits(const std::string& text, std::size_t from, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

std::string BackupFolderName(const BackupTime& m) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d%02d%02d", m.date.year, m.date.month, m.date.day,
                  m.time.hour, m.time.minute, m.time.second);
    return text;
}

bool ParseBackupFolderName(const std::string& name, BackupTime& m) {
    if (name.size() != 17 || name[4] != '-' || name[7] != '-' || name[10] != '_') return false;
    BackupTime t;
    if (!Digits(name, 0, 4, t.date.year) || !Digits(name, 5, 2, t.date.month) || !Digits(name, 8, 2, t.date.day) ||
        !Digits(name, 11, 2, t.time.hour) || !Digits(name, 13, 2, t.time.minute) || !Digits(name, 15, 2, t.time.second))
        return false;
    if (t.date.month < 1 || t.date.month > 12 || t.date.day < 1 || t.date.day > DaysInMonth(t.date.year, t.date.month))
        return false;
    if (t.time.hour > 23 || t.time.minute > 59 || t.time.second > 59) return false;
    m = t;
    return true;
}

BackupTime NextSecond(const BackupTime& m) {
    BackupTime next = m;
    if (++next.time.second < 60) return next;
    next.time.second = 0;
    if (++next.time.minute < 60) return next;
    next.time.minute = 0;
    if (++next.time.hour < 24) return next;
    next.time.hour = 0;
    if (++next.date.day <= DaysInMonth(next.date.year, next.date.month)) return next;
    next.date.day = 1;
    if (++next.date.month <= 12) return next;
    next.date.month = 1;
    ++next.date.year;
    return next;
}

long DaysSinceEpoch(const CalendarDate& date) {
    // Days from civil: the proleptic Gregorian calendar counted in 400-year eras.
    const long y = date.year - (date.month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yearOfEra = y - era * 400;
    const long dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace tessamo
