#include "core/LedgerListing.h"

#include "platform/FileErrors.h"
#include "core/RecordFile.h"

namespace tessamo {
namespace {

template <class Record>
bool ReadYearFile(SharedState& state, const std::string& name, std::vector<Record>& records) {
    records.clear();
    Dialogs& dialogs = state.env.dialogs;
    if (!ReportIfFailed(dialogs, state.env.files.CreateIfMissing(name))) return false;
    return ReportIfFailed(dialogs, ReadRecords(state.env.files, name, records));
}

}  // namespace

bool ReadLedgerView(SharedState& state, const std::string& category, LedgerSummary& summary) {
    std::vector<LedgerRecord> ledger;
    std::vector<CategoryRecord> categories;
    const bool ok = ReadYearFile(state, state.LedgerFileName, ledger) &&
                    ReadYearFile(state, state.CategoryFileName, categories);
    if (!ok) ledger.clear();
    summary = SummarizeLedger(std::move(ledger), categories, category, state.LedgerFileName, state.env.money);
    return ok;
}

bool ReadCategoryList(SharedState& state, std::vector<CategoryRecord>& categories) {
    return ReadYearFile(state, state.CategoryFileName, categories);
}

void getlabel(SharedState& state, const std::string& code, std::string& name) {
    std::vector<CategoryRecord> categories;
    if (ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories)))
        CategoryLabel(categories, code, name);
}

std::string ActiveYearStatusText(const std::string& year) { return "   Active Year = " + year + "  "; }

}  // namespace tessamo
