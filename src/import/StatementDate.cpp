#include "import/StatementDate.h"

#include <array>
#include <cctype>

#include "platform/Clock.h"

namespace tessamo {
namespace {

struct DateGroups {
    std::array<std::string, 3> digits;
    char separator = 0;
};

// The three digit groups at the start of the text; false when there are not three.
bool SplitDate(const std::string& text, DateGroups& groups) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    for (int g = 0; g < 3; ++g) {
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) groups.digits[g] += text[i++];
        if (groups.digits[g].empty() || groups.digits[g].size() > 4) return false;
        if (g == 2) break;
        if (i >= text.size() || (text[i] != '.' && text[i] != '/' && text[i] != '-')) return false;
        if (groups.separator != 0 && groups.separator != text[i]) return false;
        groups.separator = text[i++];
    }
    // A time or a blank may follow; more digits may not.
    return i == text.size() || !std::isdigit(static_cast<unsigned char>(text[i]));
}

int FullYear(const std::string& digits) {
    const int year = std::stoi(digits);
    if (digits.size() > 2) return year;
    return year >= 70 ? 1900 + year : 2000 + year;
}

}  // namespace

Result<CalendarDate> ReadStatementDate(const std::string& text, DateOrder order) {
    DateGroups groups;
    if (!SplitDate(text, groups)) return Status::Corruption({}, "\"" + text + "\" is not a date");
    const auto& d = groups.digits;
    const bool yearFirst = order == DateOrder::YearMonthDay;
    const std::string& yearText = yearFirst ? d[0] : d[2];
    if (yearText.size() != (yearFirst ? 4u : 2u) && yearText.size() != 4)
        return Status::Corruption({}, "\"" + text + "\" has no year of two or four digits");
    if (!yearFirst && (d[0].size() > 2 || d[1].size() > 2))
        return Status::Corruption({}, "\"" + text + "\" does not fit the date order " + DateOrderName(order));
    CalendarDate date;
    date.year = FullYear(yearText);
    date.month = std::stoi(order == DateOrder::DayMonthYear ? d[1] : yearFirst ? d[1] : d[0]);
    date.day = std::stoi(order == DateOrder::DayMonthYear ? d[0] : yearFirst ? d[2] : d[1]);
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > DaysInMonth(date.year, date.month))
        return Status::Corruption({}, "\"" + text + "\" is no day of the calendar (order " + DateOrderName(order) + ")");
    return date;
}

DateOrder GuessDateOrder(const std::vector<std::string>& texts) {
    std::array<bool, 3> fits = {true, true, true};
    bool dots = false;
    for (const std::string& text : texts) {
        if (text.empty()) continue;
        for (int o = 0; o < 3; ++o)
            fits[o] = fits[o] && ReadStatementDate(text, static_cast<DateOrder>(o)).ok();
        dots = dots || text.find('.') != std::string::npos;
    }
    if (fits[2]) return DateOrder::YearMonthDay;
    if (fits[0] && (dots || !fits[1])) return DateOrder::DayMonthYear;
    if (fits[1]) return DateOrder::MonthDayYear;
    return dots ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
}

const char* DateOrderName(DateOrder order) {
    switch (order) {
        case DateOrder::DayMonthYear:
            return "dmy";
        case DateOrder::MonthDayYear:
            return "mdy";
        case DateOrder::YearMonthDay:
            break;
    }
    return "ymd";
}

std::optional<DateOrder> DateOrderFromName(const std::string& name) {
    for (DateOrder o : {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay})
        if (name == DateOrderName(o)) return o;
    return std::nullopt;
}

}  // namespace tessamo
