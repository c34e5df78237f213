#include "core/ListFiles.h"

#include "platform/FileErrors.h"
#include "core/RecordFile.h"

namespace tessamo {
namespace {

// The year file `name` (created empty when missing) read whole through `read`.
template <class Read>
Status ReadYearFile(const SharedState& state, const std::string& name, Read read) {
    Status s = state.env.files.CreateIfMissing(name);
    if (s.ok()) s = read();
    return TellIfFailed(state.env.dialogs, s);
}

}  // namespace

Status ReadItemList(const SharedState& state, const std::string& category, ItemListSummary& summary) {
    const FileSystem& files = state.env.files;
    std::string ledger;
    std::vector<CategoryRecord> categories;
    Status s = ReadYearFile(state, state.LedgerFileName, [&] { return files.ReadAll(state.LedgerFileName, ledger); });
    if (s.ok()) s = ReadCategoryList(state, categories);
    if (!s.ok()) ledger.clear();
    summary = SummarizeLedgerBytes(std::move(ledger), categories, category, state.LedgerFileName, state.env.money);
    return s;
}

Status ReadCategoryList(const SharedState& state, std::vector<CategoryRecord>& categories) {
    categories.clear();
    return ReadYearFile(state, state.CategoryFileName,
                        [&] { return ReadRecords(state.env.files, state.CategoryFileName, categories); });
}

Status getlabel(const SharedState& state, const std::string& code, std::string& name) {
    std::vector<CategoryRecord> categories;
    Status s = TellIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories));
    if (s.ok()) CategoryLabel(categories, code, name);
    return s;
}

std::string ActiveYearStatusText(const std::string& year) { return "   Active Year = " + year + "  "; }

}  // namespace tessamo
