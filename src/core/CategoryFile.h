#pragma once
// Operations on the active year's category file and on the ledger lines of one
// category: keep the file ordered by code, tell whether a code is taken, move
// a category's lines to a new code, remove a deleted category's lines. Codes
// are compared exactly with the 2-character field (case and blanks count), so
// a one-character argument never matches; only the sort compares upper case.
// Rewrites of more than one record are atomic; failures are shown to the user.
#include <string>
#include <vector>

#include "core/SharedState.h"

namespace tessamo {

// The name a rewrite of the category file is built under.
inline constexpr const char* kCategoryTempName = "tempkeys.$$$";

// Stable sort by upper-case code; records are written back unchanged.
// Returns false after reporting a file failure.
bool SortCategoryFile(SharedState& state);
// Writes `categories` in that stable order as the whole category file, in one
// atomic rewrite. Returns false after reporting a file failure.
bool WriteSortedCategories(SharedState& state, std::vector<CategoryRecord> categories);

// Upper-cases `code` in the caller's variable; true when a category record's
// Code equals it exactly.
bool CategoryExists(const SharedState& state, std::string& code);

// Every ledger line whose Code equals `oldCode` exactly gets `newCode` (cut or
// padded to 2). Order, dates, amounts and notes are untouched.
bool RecodeLedgerRecords(SharedState& state, const std::string& oldCode, const std::string& newCode);

// Asks "Category deleted. Delete records too?" and "ARE YOU SURE?"; on two
// Yes answers removes every ledger line with that code, keeping the order of
// the rest. Returns true when lines were removed.
bool DeleteCategoryRecords(SharedState& state, const std::string& code);

}  // namespace tessamo
