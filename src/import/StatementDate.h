#pragma once
// Dates as banks print them: three groups of digits separated by ".", "/"
// or "-" (dd.mm.yyyy, dd/mm/yyyy, mm/dd/yyyy, yyyy-mm-dd), a time after
// them ignored. Which group is the day and which the month is the date
// order; a guess from a column of dates picks the order all of them fit.
#include <optional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Result.h"

namespace tessamo {

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// The date, or Corruption with the reason. A two-digit year is 19yy from 70
// on, else 20yy.
Result<CalendarDate> ReadStatementDate(const std::string& text, DateOrder order);

// The first order of day-first, month-first, year-first that reads every
// non-empty text; among ambiguous ones a "." separator says day first and
// otherwise month first wins.
DateOrder GuessDateOrder(const std::vector<std::string>& texts);

// "dmy", "mdy", "ymd": the names the command line and the settings use.
const char* DateOrderName(DateOrder order);
std::optional<DateOrder> DateOrderFromName(const std::string& name);

}  // namespace tessamo
