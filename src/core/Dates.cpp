#include "core/Dates.h"

#include <array>
#include <cstdio>

#include "core/FixedText.h"
#include "core/LeadingNumber.h"

namespace tessamo {
namespace {

constexpr std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};

// Mid$-like: characters `start` (1-based) .. start+count-1, fewer at the end.
std::string Mid(const std::string& text, std::size_t start, std::size_t count) {
    return start - 1 < text.size() ? text.substr(start - 1, count) : std::string();
}

}  // namespace

int CheckDate(const std::string& date, const std::string& style) {
    const double p = LeadingNumber(Mid(date, 1, 2));
    const double q = LeadingNumber(Mid(date, 4, 2));
    const bool dayFirst = style == "E";
    const double month = dayFirst ? q : p;
    const double day = dayFirst ? p : q;
    return (day > 31 || day < 1 || month > 12 || month < 1) ? 1 : 0;
}

namespace {

// The key as the leading-number rule reads the joined text, for any date.
double SortKeyByText(std::string_view dateField, std::string_view codeField, bool dayFirst) {
    const std::string date = FixedWidth(dateField, 8);
    const std::string code = FixedWidth(codeField, 2);
    std::string joined = Mid(date, 7, 2);
    joined += dayFirst ? Mid(date, 4, 2) : Mid(date, 1, 2);
    joined += dayFirst ? Mid(date, 1, 2) : Mid(date, 4, 2);
    for (char c : code) {
        joined += ' ';
        joined += std::to_string(static_cast<unsigned char>(c));
    }
    return LeadingNumber(joined);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int Digit(std::string_view text, std::size_t i) { return text[i] - '0'; }

// Appends the decimal digits of a character number (1 to 3 of them).
double AppendCharacterNumber(double value, unsigned char c) {
    const double scale = c >= 100 ? 1000 : c >= 10 ? 100 : 10;
    return value * scale + c;
}

double SortKeyOfFields(std::string_view date, std::string_view code, const std::string& style) {
    const bool dayFirst = style == "E";
    // A well-formed date reads as plain digits, so the key is the same number
    // computed without building the text (the ledger's sort runs this a lot).
    if (date.size() < 8 || code.size() < 2 || !IsDigit(date[0]) || !IsDigit(date[1]) || !IsDigit(date[3]) ||
        !IsDigit(date[4]) || !IsDigit(date[6]) || !IsDigit(date[7]))
        return SortKeyByText(date, code, dayFirst);
    const std::size_t month = dayFirst ? 3 : 0, day = dayFirst ? 0 : 3;
    double value = Digit(date, 6) * 10 + Digit(date, 7);
    value = value * 100 + Digit(date, month) * 10 + Digit(date, month + 1);
    value = value * 100 + Digit(date, day) * 10 + Digit(date, day + 1);
    value = AppendCharacterNumber(value, static_cast<unsigned char>(code[0]));
    return AppendCharacterNumber(value, static_cast<unsigned char>(code[1]));
}

}  // namespace

double SortKey(const LedgerRecord& record, const std::string& style) {
    return SortKeyOfFields(record.Date, record.Code, style);
}

double SortKey(const LedgerBytesRecord& record, const std::string& style) {
    return SortKeyOfFields(record.Date(), record.Code(), style);
}

std::string TodayText(const Clock& clock) {
    const CalendarDate today = clock.Today();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d-%02d-%04d", today.month, today.day, today.year);
    return buffer;
}

std::string TodayInStyle(const Clock& clock, const std::string& style) {
    const std::string today = TodayText(clock);
    return style == "E" ? today.substr(3, 2) + "-" + today.substr(0, 2) : today.substr(0, 5);
}

std::optional<std::string> TodayForDateBox(const Clock& clock, const std::string& style) {
    if (style != "A" && style != "E") return std::nullopt;
    return TodayInStyle(clock, style);
}

std::string TodayYear(const Clock& clock) {
    const std::string today = TodayText(clock);
    return today.substr(today.size() - 4);
}

std::string StoredDate(const std::string& typed, const std::string& yearDigits) {
    return FixedWidth(typed, 5) + "-" + FixedWidth(yearDigits, 2);
}

void MonthName(int month, std::string& name) {
    if (month >= 1 && month <= 12) name = kMonths[static_cast<std::size_t>(month - 1)];
}

std::string MonthName(int month) {
    std::string name;
    MonthName(month, name);
    return name;
}

}  // namespace tessamo
