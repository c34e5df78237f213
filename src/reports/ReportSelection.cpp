#include "reports/ReportSelection.h"

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

void NoteMonth(ReportSelection& selection, int month) {
    if (month < selection.lowestMonth) selection.lowestMonth = month;
    if (month > selection.highestMonth) selection.highestMonth = month;
}

}  // namespace

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
