#include "reports/ReportSelection.h"

#include "core/CodeTable.h"

namespace tessamo {
namespace {

// An in-range ledger line: its position and its month.
struct InRangeLine {
    std::uint32_t index;
    int month;
};

using LinesByCode = CodeTable<std::vector<InRangeLine>>;

// The in-range lines of each code in ledger order, so that each category
// takes its own lines without another pass over the whole ledger.
LinesByCode InRangeLinesByCode(const LedgerBytesView& ledger, int begmo, int endmo, const std::string& dateStyle) {
    LinesByCode byCode;
    for (std::size_t j = 0; j < ledger.size(); ++j) {
        const double month = MonthOfDate(ledger[j].Date(), dateStyle);
        if (month >= begmo && month <= endmo)
            byCode[CodeKey(ledger[j].Code())].push_back({static_cast<std::uint32_t>(j), static_cast<int>(month)});
    }
    return byCode;
}

// Room for every line of each set from the start, so that a long ledger's
// sets are built without growing (and never held twice while they grow).
void ReserveSets(ReportSelection& selection, const std::vector<CategoryRecord>& categories, const LinesByCode& byCode,
                 const LedgerBytesView& ledger) {
    std::size_t income = 0, expense = 0, open = 0;
    for (const CategoryRecord& category : categories) {
        const auto* found = byCode.Find(CodeKey(category.Code));
        if (!found) continue;
        for (const InRangeLine& line : *found) {
            const std::int64_t amount = ledger[line.index].Amount();
            ++(amount > 0 ? income : amount < 0 ? expense : open);
        }
    }
    selection.income.reserve(income);
    selection.expense.reserve(expense);
    selection.openItems.reserve(open);
}

void NoteMonth(ReportSelection& selection, int month) {
    if (month < selection.lowestMonth) selection.lowestMonth = month;
    if (month > selection.highestMonth) selection.highestMonth = month;
}

}  // namespace

ReportSelection SelectReportRecords(const std::vector<CategoryRecord>& categories, const LedgerBytesView& ledger,
                                    int begmo, int endmo, const std::string& dateStyle) {
    const auto byCode = InRangeLinesByCode(ledger, begmo, endmo, dateStyle);
    ReportSelection selection;
    ReserveSets(selection, categories, byCode, ledger);
    for (const CategoryRecord& category : categories) {
        const std::uint16_t code = CodeKey(category.Code);
        const auto* found = byCode.Find(code);
        if (!found) continue;
        for (const InRangeLine& line : *found) {
            const LedgerBytesRecord r = ledger[line.index];
            const std::int64_t amount = r.Amount();
            if (amount > 0) {
                selection.income.push_back({r, code});
                NoteMonth(selection, line.month);
            } else if (amount < 0) {
                selection.expense.push_back({r, code});
                NoteMonth(selection, line.month);
            } else {
                selection.openItems.push_back({r, code});
            }
        }
    }
    return selection;
}

void TotalUp(const std::vector<WorkingLine>& lines, AmountSum& bucks) {
    for (const WorkingLine& line : lines) bucks += line.amount();
}

}  // namespace tessamo
