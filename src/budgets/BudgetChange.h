#pragma once
// Changes of the active year's budgets, shared by the budget window and the
// command line: each reads the file, changes it and writes it back in one
// atomic rewrite. A failure comes back as Status and leaves the file as it was.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "budgets/BudgetCopy.h"
#include "budgets/BudgetFile.h"
#include "core/SharedState.h"

namespace tessamo {

// Sets `code`'s budget of `month` (1..12; 0 for every month), or clears it
// with std::nullopt. A damaged file is not overwritten (its Status returns).
Status ChangeBudget(FileSystem& files, const std::string& year, const std::string& code, int month,
                    std::optional<std::int64_t> amount);

// What history shows of a change of `code`'s budget: "Budget of FO, March
// 1999", "Clear budget of FO, every month of 1999".
std::string BudgetChangeText(const std::string& year, const std::string& code, int month, bool cleared);

// Reads a typed budget amount as the entry editor reads amounts; the sign
// comes from `expense`. Nothing when it has no digit, is not a number or is
// zero (no budget is a budget of zero: clearing it says so).
std::optional<std::int64_t> ReadBudgetAmount(std::string typed, bool expense, const MoneyFormat& money);

// The budgets of `fromYear` (or its actual monthly average when `actual`),
// kept to the codes of the active year's category list.
Status BudgetsFromYear(const SharedState& state, const std::string& fromYear, bool actual, BudgetCopy& copy);

}  // namespace tessamo
