#pragma once
// Clock: today's date and the time of day. The system clock honours
// TESSAMO_TODAY=mm-dd-yyyy and TESSAMO_TIME=hh:mm:ss, so tests and
// demonstrations can fix them; tests may also use FixedClock.
#include <string>

namespace tessamo {

struct CalendarDate {
    int month = 1;
    int day = 1;
    int year = 2000;
};

// The Gregorian calendar: leap years and the length of a month (1..12).
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual CalendarDate Today() const = 0;
    virtual TimeOfDay TimeNow() const = 0;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(CalendarDate date, TimeOfDay time = {12, 0, 0}) : date_(date), time_(time) {}
    CalendarDate Today() const override { return date_; }
    TimeOfDay TimeNow() const override { return time_; }
    void Set(CalendarDate date) { date_ = date; }
    void Set(CalendarDate date, TimeOfDay time) {
        date_ = date;
        time_ = time;
    }
private:
    CalendarDate date_;
    TimeOfDay time_;
};

class SystemClock : public Clock {
public:
    CalendarDate Today() const override;
    TimeOfDay TimeNow() const override;
};

// Reads "mm-dd-yyyy"; false when the text is not such a date.
bool ParseTodayOverride(const std::string& text, CalendarDate& date);
// Reads "hh:mm:ss"; false when the text is not such a time.
bool ParseTimeOverride(const std::string& text, TimeOfDay& time);

}  // namespace tessamo
