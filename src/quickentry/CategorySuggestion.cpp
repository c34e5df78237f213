#include "quickentry/CategorySuggestion.h"

#include <algorithm>

#include "core/FixedText.h"
#include "platform/CodePage.h"

namespace tessamo {
namespace {

bool Listed(const std::vector<CategoryRecord>& categories, const std::string& code) {
    return std::any_of(categories.begin(), categories.end(), [&](const CategoryRecord& c) { return c.Code == code; });
}

}  // namespace

std::optional<CategorySuggestion> SuggestCategory(const NoteCompletion& history, const ImportRules& rules,
                                                  const std::vector<CategoryRecord>& categories,
                                                  const std::string& note) {
    if (TrimBlanks(note).empty()) return std::nullopt;
    if (const NoteHistory* used = history.Find(note); used && Listed(categories, used->usualCode))
        return CategorySuggestion{used->usualCode, false};
    // The rules see the note as a statement's payee; either sign may match.
    const std::string text = Cp1252ToUtf8(note);
    for (const std::int64_t sign : {-1, 1})
        if (const ImportRule* rule = rules.Match(text, "", sign); rule && Listed(categories, rule->code))
            return CategorySuggestion{rule->code, true};
    return std::nullopt;
}

}  // namespace tessamo
