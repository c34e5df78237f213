#include "core/LedgerBytes.h"

#include "core/LeadingNumber.h"
#include "core/RecordFile.h"

namespace tessamo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

LedgerLines LedgerLines::FromRecords(const std::vector<LedgerRecord>& records) {
    return LedgerLines(EncodeRecords(records));
}

double MonthOfDate(std::string_view date, const std::string& style) {
    std::size_t at = 0;
    if (style == "E") at = 3;
    else if (style != "A") return 0;
    if (date.size() <= at) return 0;
    const std::string_view month = date.substr(at, 2);
    // Two digits, as every entered date has, read the same by the rule; the
    // rule itself is for whatever else a file may hold.
    if (month.size() == 2 && IsDigit(month[0]) && IsDigit(month[1])) return (month[0] - '0') * 10 + (month[1] - '0');
    return LeadingNumber(month);
}

}  // namespace tessamo
