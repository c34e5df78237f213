#include "core/CategoryEditor.h"

#include <algorithm>
#include <vector>

#include "core/CategoryFile.h"
#include "core/FileErrors.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"
#include "platform/CodePage.h"

namespace tessamo {

namespace {

// Both fields must hold more than blanks; tells the user which one does not.
bool CheckTypedCategory(Dialogs& dialogs, const std::string& typedCode, const std::string& typedName) {
    if (TrimBlanks(typedCode).empty()) {
        dialogs.Show(EntryAborted("No category code!"));
        return false;
    }
    if (TrimBlanks(typedName).empty()) {
        dialogs.Show(EntryAborted("No category name!"));
        return false;
    }
    return true;
}

// When the typed code is taken, the user must agree to mixing the two.
bool AgreedToCodeInUse(SharedState& state, const std::string& typedCode) {
    std::string code = typedCode;  // CategoryExists upper-cases its argument
    if (!CategoryExists(state, code)) return true;
    Message warning = CategoryExistsWarning(TrimBlanks(code), state.CurrentCategory);
    return state.env.dialogs.Show(warning) == Answer::Yes;
}

// The record the editor stores for what was typed.
CategoryRecord TypedRecord(const std::string& typedCode, const std::string& typedName) {
    return CategoryRecord::Make(ToUpperAscii(TrimBlanks(typedCode)), TrimBlanks(typedName));
}

bool ReadCategories(SharedState& state, std::vector<CategoryRecord>& categories) {
    return ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories));
}

// Position (0-based) of the first record whose code equals `code` exactly.
std::ptrdiff_t FirstWithCode(const std::vector<CategoryRecord>& categories, const std::string& code) {
    auto it = std::find_if(categories.begin(), categories.end(),
                           [&](const CategoryRecord& c) { return c.Code == code; });
    return it == categories.end() ? -1 : it - categories.begin();
}

}  // namespace

Message CategoryExistsWarning(const std::string& code, const std::string& currentCategory) {
    const std::string text = "Category " + Cp1252ToUtf8(code) + " already exists!\r\n" +
                             "If you continue, records from this and\r\n" + Cp1252ToUtf8(currentCategory) +
                             " will be mixed together, and you\r\n" + "will not be able to separate them!\r\n" +
                             "Continue?";
    return ConfirmYesNo(text);
}

bool SaveNewCategory(SharedState& state, const std::string& typedCode, const std::string& typedName) {
    if (!CheckTypedCategory(state.env.dialogs, typedCode, typedName)) return false;
    if (!AgreedToCodeInUse(state, typedCode)) return false;
    std::size_t count = 0;
    Status s = CountRecords<CategoryRecord>(state.env.files, state.CategoryFileName, count);
    // Written at record count + 1, so a partial record left at the end is overwritten, not kept.
    if (s.ok())
        s = WriteRecordAt(state.env.files, state.CategoryFileName, count + 1, TypedRecord(typedCode, typedName));
    if (!ReportIfFailed(state.env.dialogs, s)) return false;
    return SortCategoryFile(state);
}

bool ReplaceCategory(SharedState& state, const std::string& typedCode, const std::string& typedName) {
    if (!CheckTypedCategory(state.env.dialogs, typedCode, typedName)) return false;
    if (!AgreedToCodeInUse(state, typedCode)) return false;
    std::vector<CategoryRecord> categories;
    if (!ReadCategories(state, categories)) return false;
    const CategoryRecord changed = TypedRecord(typedCode, typedName);
    const std::ptrdiff_t at = FirstWithCode(categories, state.CurrentCategory);
    if (at >= 0) {
        Status s = WriteRecordAt(state.env.files, state.CategoryFileName, static_cast<std::size_t>(at) + 1, changed);
        if (!ReportIfFailed(state.env.dialogs, s)) return false;
    }
    if (!RecodeLedgerRecords(state, state.CurrentCategory, changed.Code)) return false;
    state.CurrentCategory = changed.Code;
    return SortCategoryFile(state);
}

bool DeleteCategory(SharedState& state, const std::string& typedCode, const std::string& typedName) {
    Dialogs& dialogs = state.env.dialogs;
    if (TrimBlanks(typedCode).empty()) {
        dialogs.Show(EntryAborted("No category code!"));
        return false;
    }
    const std::string question = "Delete category " + Cp1252ToUtf8(TrimBlanks(typedName)) + " ?";
    if (dialogs.Show(ConfirmYesNo(question)) != Answer::Yes) return false;
    std::vector<CategoryRecord> categories;
    if (!ReadCategories(state, categories)) return false;
    const std::ptrdiff_t at = FirstWithCode(categories, typedCode);
    if (at >= 0) {
        categories.erase(categories.begin() + at);
        Status s = RewriteRecords(state.env.files, state.CategoryFileName, kCategoryTempName, categories);
        if (!ReportIfFailed(dialogs, s)) return false;
    }
    DeleteCategoryRecords(state, typedCode);
    return true;
}

}  // namespace tessamo
