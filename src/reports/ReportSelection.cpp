#include "reports/ReportSelection.h"

#include "core/LeadingNumber.h"

namespace tessamo {
namespace {

// What the selection needs of each ledger line, worked out once.
struct InRangeLine {
    std::uint16_t code;
    bool inRange;
    int month;
};

std::vector<InRangeLine> ClassifyLedger(const LedgerView& ledger, int begmo, int endmo,
                                        const std::string& dateStyle) {
    std::vector<InRangeLine> lines;
    lines.reserve(ledger.size());
    for (std::size_t j = 0; j < ledger.size(); ++j) {
        const double month = MonthOfDate(ledger[j].Date(), dateStyle);
        const bool inRange = month >= begmo && month <= endmo;
        lines.push_back(InRangeLine{CodeKey(ledger[j].Code()), inRange, inRange ? static_cast<int>(month) : 0});
    }
    return lines;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void NoteMonth(ReportSelection& selection, int month) {
    if (month < selection.lowestMonth) selection.lowestMonth = month;
    if (month > selection.highestMonth) selection.highestMonth = month;
}

}  // namespace

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

std::uint16_t CodeKey(std::string_view code) {
    const auto at = [&](std::size_t i) { return i < code.size() ? static_cast<unsigned char>(code[i]) : ' '; };
    return static_cast<std::uint16_t>(at(0) << 8 | at(1));
}

ReportSelection SelectReportRecords(const std::vector<CategoryRecord>& categories, const LedgerView& ledger,
                                    int begmo, int endmo, const std::string& dateStyle) {
    const std::vector<InRangeLine> lines = ClassifyLedger(ledger, begmo, endmo, dateStyle);
    ReportSelection selection;
    for (const CategoryRecord& category : categories) {
        const std::uint16_t code = CodeKey(category.Code);
        for (std::size_t j = 0; j < lines.size(); ++j) {
            if (lines[j].code != code || !lines[j].inRange) continue;
            const LedgerBytesRecord r = ledger[j];
            const std::int64_t amount = r.Amount();
            if (amount > 0) {
                selection.income.push_back({r, amount, code});
                NoteMonth(selection, lines[j].month);
            } else if (amount < 0) {
                selection.expense.push_back({r, -static_cast<AmountSum>(amount), code});
                NoteMonth(selection, lines[j].month);
            } else {
                selection.openItems.push_back({r, 0, code});
            }
        }
    }
    return selection;
}

void TotalUp(const std::vector<WorkingLine>& lines, AmountSum& bucks) {
    for (const WorkingLine& line : lines) bucks += line.amount;
}

}  // namespace tessamo
