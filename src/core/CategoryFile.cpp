#include "core/CategoryFile.h"

#include <algorithm>
#include <vector>

#include "platform/FileErrors.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"

namespace tessamo {

namespace {

bool ByUpperCode(const CategoryRecord& a, const CategoryRecord& b) { return ToUpperAscii(a.Code) < ToUpperAscii(b.Code); }

}  // namespace

Status SortCategoryFile(SharedState& state) {
    std::vector<CategoryRecord> categories;
    Status s = TellIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories));
    if (!s.ok() || std::is_sorted(categories.begin(), categories.end(), ByUpperCode)) return s;
    return WriteSortedCategories(state, std::move(categories));
}

Status WriteSortedCategories(SharedState& state, std::vector<CategoryRecord> categories) {
    // The exchange sort the file format grew up with is stable; so is this, and
    // it gives the same order. Comparison is by unsigned bytes, as ordinal text.
    std::stable_sort(categories.begin(), categories.end(), ByUpperCode);
    return TellIfFailed(state.env.dialogs,
                        RewriteRecords(state.env.files, state.CategoryFileName, kCategoryTempName, categories));
}

std::string ResolveCategoryCode(const std::vector<CategoryRecord>& categories, const std::string& typed) {
    for (const CategoryRecord& c : categories)
        if (c.Code == typed) return typed;
    return ToUpperAscii(typed);
}

bool CategoryExists(const SharedState& state, std::string& code) {
    code = ToUpperAscii(code);
    std::vector<CategoryRecord> categories;
    if (!ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories)))
        return false;
    return std::any_of(categories.begin(), categories.end(),
                       [&](const CategoryRecord& c) { return c.Code == code; });
}

bool RecodeLedgerRecords(SharedState& state, const std::string& oldCode, const std::string& newCode) {
    std::vector<LedgerRecord> records;
    if (!ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.LedgerFileName, records)))
        return false;
    const std::string replacement = FixedWidth(newCode, 2);
    bool changed = false;
    for (LedgerRecord& r : records) {
        if (r.Code == oldCode) {
            r.Code = replacement;
            changed = true;
        }
    }
    if (!changed) return true;
    return ReportIfFailed(state.env.dialogs,
                          RewriteRecords(state.env.files, state.LedgerFileName, "tempfile.$$$", records));
}

bool DeleteCategoryRecords(SharedState& state, const std::string& code) {
    Dialogs& dialogs = state.env.dialogs;
    if (dialogs.Show(ConfirmYesNo("Category deleted. Delete records too?")) != Answer::Yes) return false;
    if (dialogs.Show(ConfirmYesNo("ARE YOU SURE?", MessageIcon::Critical)) != Answer::Yes) return false;
    std::vector<LedgerRecord> records;
    if (!ReportIfFailed(dialogs, ReadRecords(state.env.files, state.LedgerFileName, records))) return false;
    std::erase_if(records, [&](const LedgerRecord& r) { return r.Code == code; });
    return ReportIfFailed(dialogs, RewriteRecords(state.env.files, state.LedgerFileName, "tempfile.$$$", records));
}

}  // namespace tessamo

