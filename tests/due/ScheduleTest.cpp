// Schedule arithmetic and the done marks.
#include <gtest/gtest.h>

#include "due/Schedule.h"

namespace tessamo {
namespace {

CalendarDate D(const std::string& iso) { return *ParseIsoDate(iso); }

std::string Dates(const std::vector<CalendarDate>& dates) {
    std::string text;
    for (const CalendarDate& d : dates) text += (text.empty() ? "" : " ") + IsoDateText(d);
    return text;
}

Schedule Make(ScheduleKind kind, int n, const std::string& from, const std::string& until = "") {
    Schedule s;
    s.macro = "PAY.MCR";
    s.kind = kind;
    s.day = s.weekday = n;
    s.from = D(from);
    if (!until.empty()) s.until = D(until);
    return s;
}

TEST(Schedule, DatesOfEachRule) {
    struct Case {
        Schedule schedule;
        std::string through;
        std::string dates;
    };
    Schedule quarterly = Make(ScheduleKind::EveryMonths, 31, "2025-11-15");
    quarterly.months = 3;
    Schedule leapDay = Make(ScheduleKind::Yearly, 29, "2023-01-01");
    leapDay.month = 2;
    const Case cases[] = {
        // The 31st falls on each month's last day, 29 February in a leap year.
        {Make(ScheduleKind::Monthly, 31, "2024-01-31"), "2024-04-30", "2024-01-31 2024-02-29 2024-03-31 2024-04-30"},
        {Make(ScheduleKind::Monthly, 30, "2023-02-01"), "2023-03-31", "2023-02-28 2023-03-30"},
        // The first date counts only from itself on; the last date is inclusive.
        {Make(ScheduleKind::Monthly, 10, "2024-01-11", "2024-04-10"), "2030-01-01", "2024-02-10 2024-03-10 2024-04-10"},
        // Fridays across a year's end (2025-12-26 is a Friday).
        {Make(ScheduleKind::Weekly, 5, "2025-12-20"), "2026-01-10", "2025-12-26 2026-01-02 2026-01-09"},
        {Make(ScheduleKind::Weekly, 1, "2026-01-05"), "2026-01-05", "2026-01-05"},
        // Every 3 months counted from the first date's month, into the next year.
        {quarterly, "2026-08-31", "2025-11-30 2026-02-28 2026-05-31 2026-08-31"},
        {leapDay, "2025-12-31", "2023-02-28 2024-02-29 2025-02-28"},
        {Make(ScheduleKind::Monthly, 1, "2026-05-01"), "2026-04-30", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Dates(c.schedule.DatesThrough(D(c.through))), c.dates) << c.schedule.RuleText();
}

// A date left for later keeps the ones after it from folding into the
// done-through mark; once it is done, they fold.
TEST(Schedule, DoneMarksFoldWithoutGaps) {
    Schedule s = Make(ScheduleKind::Monthly, 1, "2026-01-01");
    s.MarkDone(D("2026-01-01"));
    s.MarkDone(D("2026-03-01"));
    EXPECT_EQ(IsoDateText(*s.doneThrough), "2026-01-01");
    EXPECT_EQ(Dates(s.OpenDatesThrough(D("2026-04-01"))), "2026-02-01 2026-04-01");
    s.MarkDone(D("2026-02-01"));
    EXPECT_EQ(IsoDateText(*s.doneThrough), "2026-03-01");
    EXPECT_TRUE(s.doneDates.empty());
}

TEST(Schedule, WeekdaysDatesInStyleAndProblems) {
    EXPECT_EQ(FullDateInStyle(D("2026-03-05"), "E"), "05-03-2026");
    EXPECT_EQ(ParseFullDateInStyle("05-03-2026", "E"), D("2026-03-05"));
    EXPECT_EQ(ParseFullDateInStyle("03-05-2026", "A"), D("2026-03-05"));
    EXPECT_FALSE(ParseFullDateInStyle("02-29-2026", "A"));
    for (const char* word : {"fri", "Friday", "FRI", "5"}) EXPECT_EQ(ParseWeekday(word), 5) << word;
    for (const char* word : {"fr", "8", "0", "fridays", ""}) EXPECT_FALSE(ParseWeekday(word)) << word;
    Schedule s = Make(ScheduleKind::Yearly, 30, "2026-01-01");
    s.month = 2;
    EXPECT_TRUE(s.Problem());
    s.day = 29;
    EXPECT_FALSE(s.Problem());
    s.until = D("2025-12-31");
    EXPECT_TRUE(s.Problem());
}

}  // namespace
}  // namespace tessamo
