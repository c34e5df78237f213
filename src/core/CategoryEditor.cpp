#include "core/CategoryEditor.h"

#include <algorithm>
#include <vector>

#include "journal/ChangeText.h"
#include "journal/Transaction.h"
#include "core/CategoryFile.h"
#include "platform/FileErrors.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"
#include "platform/CodePage.h"

namespace tessamo {

namespace {

// False, after telling the user `refusal`, when `field` holds nothing but blanks.
bool Filled(Dialogs& dialogs, const std::string& field, const std::string& refusal) {
    if (!TrimBlanks(field).empty()) return true;
    dialogs.Show(EntryAborted(refusal));
    return false;
}

// The record the editor stores for what was typed.
CategoryRecord TypedRecord(const std::string& typedCode, const std::string& typedName) {
    return CategoryRecord::Make(ToUpperAscii(TrimBlanks(typedCode)), TrimBlanks(typedName));
}

bool ReadCategories(const SharedState& state, std::vector<CategoryRecord>& categories) {
    return ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories));
}

// Position (0-based) of the first record whose code equals `code` exactly.
std::ptrdiff_t FirstWithCode(const std::vector<CategoryRecord>& categories, const std::string& code) {
    auto it = std::find_if(categories.begin(), categories.end(),
                           [&](const CategoryRecord& c) { return c.Code == code; });
    return it == categories.end() ? -1 : it - categories.begin();
}

// When the typed code is taken, the user must agree to mixing the two. The
// typed code is upper-cased but not trimmed, and compared with the whole field.
bool AgreedToCodeInUse(const SharedState& state, const std::vector<CategoryRecord>& categories,
                       const std::string& typedCode) {
    const std::string code = ToUpperAscii(typedCode);
    if (FirstWithCode(categories, code) < 0) return true;
    return state.env.dialogs.Show(CategoryExistsWarning(TrimBlanks(code), state.CurrentCategory)) == Answer::Yes;
}

// The checks Save and Replace share, on one reading of the category file,
// which `categories` receives.
bool AcceptTypedCategory(const SharedState& state, const std::string& typedCode, const std::string& typedName,
                         std::vector<CategoryRecord>& categories) {
    return CheckTypedCategory(state.env.dialogs, typedCode, typedName) && ReadCategories(state, categories) &&
           AgreedToCodeInUse(state, categories, typedCode);
}

}  // namespace

bool CheckTypedCategory(Dialogs& dialogs, const std::string& typedCode, const std::string& typedName) {
    return Filled(dialogs, typedCode, "No category code!") && Filled(dialogs, typedName, "No category name!");
}

Message CategoryExistsWarning(const std::string& code, const std::string& currentCategory) {
    const std::string text = "Category " + Cp1252ToUtf8(code) + " already exists!\r\n" +
                             "If you continue, records from this and\r\n" + Cp1252ToUtf8(currentCategory) +
                             " will be mixed together, and you\r\n" + "will not be able to separate them!\r\n" +
                             "Continue?";
    return ConfirmYesNo(text);
}

// Save and Replace build the whole new file and write it once, so a failure
// leaves the category file as it was.
bool SaveNewCategory(SharedState& state, const std::string& typedCode, const std::string& typedName) {
    std::vector<CategoryRecord> categories;
    if (!AcceptTypedCategory(state, typedCode, typedName, categories)) return false;
    categories.push_back(TypedRecord(typedCode, typedName));
    Transaction change(state, CategoryChangeText("Add", typedCode));
    return WriteSortedCategories(state, std::move(categories)).ok() && change.Commit();
}

bool ReplaceCategory(SharedState& state, const std::string& typedCode, const std::string& typedName) {
    std::vector<CategoryRecord> categories;
    if (!AcceptTypedCategory(state, typedCode, typedName, categories)) return false;
    const CategoryRecord changed = TypedRecord(typedCode, typedName);
    Transaction change(state, CategoryChangeText("Change", state.CurrentCategory) + " to " +
                                  Cp1252ToUtf8(TrimBlanks(changed.Code)));
    // The ledger first: when its rewrite fails (a full disk, a read-only
    // folder) the category keeps its old code, so no line loses its category.
    if (!RecodeLedgerRecords(state, state.CurrentCategory, changed.Code)) return false;
    const std::ptrdiff_t at = FirstWithCode(categories, state.CurrentCategory);
    if (at >= 0) categories[static_cast<std::size_t>(at)] = changed;
    if (!WriteSortedCategories(state, std::move(categories)).ok() || !change.Commit()) return false;
    state.CurrentCategory = changed.Code;
    return true;
}

bool DeleteCategory(SharedState& state, const std::string& typedCode, const std::string& typedName) {
    Dialogs& dialogs = state.env.dialogs;
    if (!Filled(dialogs, typedCode, "No category code!")) return false;
    const std::string question = "Delete category " + Cp1252ToUtf8(TrimBlanks(typedName)) + " ?";
    if (dialogs.Show(ConfirmYesNo(question)) != Answer::Yes) return false;
    std::vector<CategoryRecord> categories;
    if (!ReadCategories(state, categories)) return false;
    Transaction change(state, CategoryChangeText("Delete", typedCode));
    const std::ptrdiff_t at = FirstWithCode(categories, typedCode);
    if (at >= 0) {
        categories.erase(categories.begin() + at);
        Status s = RewriteRecords(state.env.files, state.CategoryFileName, kCategoryTempName, categories);
        if (!ReportIfFailed(dialogs, s)) return false;
    }
    const bool linesToo = DeleteCategoryRecords(state, typedCode);
    return change.Commit(linesToo ? CategoryChangeText("Delete", typedCode) + " and its lines" : "");
}

}  // namespace tessamo
