#pragma once
// A suggested category for a typed note: the category used most often with
// that very note in this and the previous year; else the category of the
// first import rule whose pattern matches the note; else none. Only a code
// among the year's categories is suggested.
#include <optional>
#include <string>
#include <vector>

#include "core/Records.h"
#include "import/ImportRules.h"
#include "quickentry/NoteCompletion.h"

namespace tessamo {

struct CategorySuggestion {
    std::string code;
    bool fromRules = false;  // from an import rule, not from the note's history
};

// `note` is Windows-1252 as typed.
std::optional<CategorySuggestion> SuggestCategory(const NoteCompletion& history, const ImportRules& rules,
                                                  const std::vector<CategoryRecord>& categories,
                                                  const std::string& note);

}  // namespace tessamo
