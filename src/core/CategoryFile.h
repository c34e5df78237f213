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
#include "platform/Status.h"

namespace tessamo {

// The name a rewrite of the category file is built under.
inline constexpr const char* kCategoryTempName = "tempkeys.$$$";

// Stable sort by upper-case code; records are written back unchanged.
// AlreadyTold after a file failure was shown.
Status SortCategoryFile(SharedState& state);
// Writes `categories` in that stable order as the whole category file, in one
// atomic rewrite. AlreadyTold after a file failure was shown.
Status WriteSortedCategories(SharedState& state, std::vector<CategoryRecord> categories);

// The code a typed one names in a year's `categories`: the code exactly as
// typed when the year has it (a lower-case code of a file made elsewhere),
// else its upper case.
std::string ResolveCategoryCode(const std::vector<CategoryRecord>& categories, const std::string& typed);

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
