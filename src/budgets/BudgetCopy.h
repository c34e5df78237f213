#pragma once
// A year's budgets in one step from another year: its budgets as they are,
// or its actual monthly average (the category's total over the year divided
// by 12, rounded half away from zero to the cent; no budget for a category
// without lines there, nor where the average rounds to zero). Only codes the
// year's category file lists are taken; the others are named in `skipped`.
#include <string>
#include <vector>

#include "budgets/BudgetFile.h"
#include "core/LedgerBytes.h"
#include "core/Records.h"

namespace tessamo {

struct BudgetCopy {
    YearBudgets budgets;
    std::vector<std::string> skipped;  // codes (two bytes) the year does not list, in code order
};

// The other year's budgets, kept to the codes of `categories`.
BudgetCopy CopiedBudgets(const YearBudgets& other, const std::vector<CategoryRecord>& categories);

// Every month of each listed code: the other year's monthly average.
BudgetCopy AverageBudgets(const LedgerBytesView& otherLedger, const std::string& dateStyle,
                          const std::vector<CategoryRecord>& categories);

}  // namespace tessamo
