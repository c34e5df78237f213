#pragma once
// Clock: today's date. The system clock honours TESSAMO_TODAY=mm-dd-yyyy, so
// tests and demonstrations can fix the date; tests may also use FixedClock.
#include <string>

namespace tessamo {

struct CalendarDate {
    int month = 1;
    int day = 1;
    int year = 2000;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual CalendarDate Today() const = 0;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(CalendarDate date) : date_(date) {}
    CalendarDate Today() const override { return date_; }
    void Set(CalendarDate date) { date_ = date; }
private:
    CalendarDate date_;
};

class SystemClock : public Clock {
public:
    CalendarDate Today() const override;
};

// Reads "mm-dd-yyyy"; false when the text is not such a date.
bool ParseTodayOverride(const std::string& text, CalendarDate& date);

}  // namespace tessamo
