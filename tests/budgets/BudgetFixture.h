#pragma once
// The budget tests' data folder: the year 2026 (today 03-20-2026) with four
// categories, a ledger over January to March and budgets of expense and
// income, one of them for a code the category file no longer lists.
#include <gtest/gtest.h>

#include "budgets/BudgetFile.h"
#include "support/TestEnv.h"

namespace tessamo {

inline YearBudgets SampleBudgets() {
    YearBudgets budgets;
    budgets.Set("GR", 0, Money(-200));
    budgets.Set("RE", 0, Money(-1000));
    budgets.Set("SA", 3, Money(3000));
    budgets.Set("ZZ", 0, Money(-50));
    return budgets;
}

inline void PutSampleYear(TestEnv& t) {
    t.PutCategories({CategoryRecord::Make("GR", "Food, \"home\""), CategoryRecord::Make("RE", "Rent"),
                     CategoryRecord::Make("SA", "Salary"), CategoryRecord::Make("FU", "Fun")});
    t.PutLedger({Line("03-02-26", "GR", Money(-150)), Line("03-10-26", "GR", Money(-40)),
                 Line("02-05-26", "GR", Money(-100)), Line("03-01-26", "RE", Money(-1000)),
                 Line("03-15-26", "SA", Money(2500)), Line("01-15-26", "SA", Money(2500)),
                 Line("03-05-26", "FU", Money(-20))});
    t.folder.Write(BudgetFileName("2026"), SampleBudgets().FileText());
}

}  // namespace tessamo
