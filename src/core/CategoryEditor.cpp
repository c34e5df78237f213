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

// AlreadyTold, after telling the user `refusal`, when `field` holds nothing but blanks.
Status Filled(Dialogs& dialogs, const std::string& field, const std::string& refusal) {
    if (!TrimBlanks(field).empty()) return Status::Ok();
    dialogs.Show(EntryAborted(refusal));
    return Status::AlreadyTold();
}

// A commit that fails tells the user itself.
Status Committed(Transaction& change, const std::string& description = {}) {
    return change.Commit(description) ? Status::Ok() : Status::AlreadyTold();
}

// The record the editor stores for what was typed.
CategoryRecord TypedRecord(const std::string& typedCode, const std::string& typedName) {
    return CategoryRecord::Make(ToUpperAscii(TrimBlanks(typedCode)), TrimBlanks(typedName));
}

Status ReadCategories(const SharedState& state, std::vector<CategoryRecord>& categories) {
    return TellIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories));
}

// Position (0-based) of the first record whose code equals `code` exactly.
std::ptrdiff_t FirstWithCode(const std::vector<CategoryRecord>& categories, const std::string& code) {
    auto it = std::find_if(categories.begin(), categories.end(),
                           [&](const CategoryRecord& c) { return c.Code == code; });
    return it == categories.end() ? -1 : it - categories.begin();
}

// When the typed code is taken, the user must agree to mixing the two. The
// typed code is upper-cased but not trimmed, and compared with the whole field.
Status AgreedToCodeInUse(const SharedState& state, const std::vector<CategoryRecord>& categories,
                         const std::string& typedCode) {
    const std::string code = ToUpperAscii(typedCode);
    if (FirstWithCode(categories, code) < 0) return Status::Ok();
    const Answer mix = state.env.dialogs.Show(CategoryExistsWarning(TrimBlanks(code), state.CurrentCategory));
    return mix == Answer::Yes ? Status::Ok() : Status::Declined();
}

// The checks Save and Replace share, on one reading of the category file,
// which `categories` receives.
Status AcceptTypedCategory(const SharedState& state, const std::string& typedCode, const std::string& typedName,
                           std::vector<CategoryRecord>& categories) {
    Status s = CheckTypedCategory(state.env.dialogs, typedCode, typedName);
    if (s.ok()) s = ReadCategories(state, categories);
    if (s.ok()) s = AgreedToCodeInUse(state, categories, typedCode);
    return s;
}

}  // namespace

Status CheckTypedCategory(Dialogs& dialogs, const std::string& typedCode, const std::string& typedName) {
    Status s = Filled(dialogs, typedCode, "No category code!");
    if (s.ok()) s = Filled(dialogs, typedName, "No category name!");
    return s;
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
Status SaveNewCategory(SharedState& state, const std::string& typedCode, const std::string& typedName) {
    std::vector<CategoryRecord> categories;
    if (Status s = AcceptTypedCategory(state, typedCode, typedName, categories); !s.ok()) return s;
    categories.push_back(TypedRecord(typedCode, typedName));
    Transaction change(state, CategoryChangeText("Add", typedCode));
    Status s = WriteSortedCategories(state, std::move(categories));
    return s.ok() ? Committed(change) : s;
}

Status ReplaceCategory(SharedState& state, const std::string& typedCode, const std::string& typedName) {
    std::vector<CategoryRecord> categories;
    if (Status s = AcceptTypedCategory(state, typedCode, typedName, categories); !s.ok()) return s;
    const CategoryRecord changed = TypedRecord(typedCode, typedName);
    Transaction change(state, CategoryChangeText("Change", state.CurrentCategory) + " to " +
                                  Cp1252ToUtf8(TrimBlanks(changed.Code)));
    // The ledger first: when its rewrite fails (a full disk, a read-only
    // folder) the category keeps its old code, so no line loses its category.
    if (!RecodeLedgerRecords(state, state.CurrentCategory, changed.Code)) return Status::AlreadyTold();
    const std::ptrdiff_t at = FirstWithCode(categories, state.CurrentCategory);
    if (at >= 0) categories[static_cast<std::size_t>(at)] = changed;
    Status s = WriteSortedCategories(state, std::move(categories));
    if (s.ok()) s = Committed(change);
    if (s.ok()) state.CurrentCategory = changed.Code;
    return s;
}

Status DeleteCategory(SharedState& state, const std::string& typedCode, const std::string& typedName) {
    Dialogs& dialogs = state.env.dialogs;
    if (Status s = Filled(dialogs, typedCode, "No category code!"); !s.ok()) return s;
    const std::string question = "Delete category " + Cp1252ToUtf8(TrimBlanks(typedName)) + " ?";
    if (dialogs.Show(ConfirmYesNo(question)) != Answer::Yes) return Status::Declined();
    std::vector<CategoryRecord> categories;
    if (Status s = ReadCategories(state, categories); !s.ok()) return s;
    Transaction change(state, CategoryChangeText("Delete", typedCode));
    const std::ptrdiff_t at = FirstWithCode(categories, typedCode);
    if (at >= 0) {
        categories.erase(categories.begin() + at);
        Status s = RewriteRecords(state.env.files, state.CategoryFileName, kCategoryTempName, categories);
        if (s = TellIfFailed(dialogs, s); !s.ok()) return s;
    }
    const bool linesToo = DeleteCategoryRecords(state, typedCode);
    return Committed(change, linesToo ? CategoryChangeText("Delete", typedCode) + " and its lines" : "");
}

}  // namespace tessamo
