#include "core/LedgerListing.h"

#include "platform/FileErrors.h"
#include "core/RecordFile.h"

namespace tessamo {
namespace {

template <class Record>
bool ReadYearFile(const SharedState& state, const std::string& name, std::vector<Record>& records) {
    records.clear();
    Dialogs& dialogs = state.env.dialogs;
    if (!ReportIfFailed(dialogs, state.env.files.CreateIfMissing(name))) return false;
    return ReportIfFailed(dialogs, ReadRecords(state.env.files, name, records));
}

}  // namespace

bool ReadLedgerView(const SharedState& state, const std::string& category, LedgerSummary& summary) {
    Dialogs& dialogs = state.env.dialogs;
    std::string ledger;
    std::vector<CategoryRecord> categories;
    const bool ok = ReportIfFailed(dialogs, state.env.files.CreateIfMissing(state.LedgerFileName)) &&
                    ReportIfFailed(dialogs, state.env.files.ReadAll(state.LedgerFileName, ledger)) &&
                    ReadYearFile(state, state.CategoryFileName, categories);
    if (!ok) ledger.clear();
    summary = SummarizeLedgerBytes(std::move(ledger), categories, category, state.LedgerFileName, state.env.money);
    return ok;
}

bool ReadCategoryList(const SharedState& state, std::vector<CategoryRecord>& categories) {
    return ReadYearFile(state, state.CategoryFileName, categories);
}

bool getlabel(const SharedState& state, const std::string& code, std::string& name) {
    std::vector<CategoryRecord> categories;
    if (!ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories)))
        return false;
    CategoryLabel(categories, code, name);
    return true;
}

std::string ActiveYearStatusText(const std::string& year) { return "   Active Year = " + year + "  "; }

}  // namespace tessamo
