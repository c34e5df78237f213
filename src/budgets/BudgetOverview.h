#pragma once
// What the budget window shows for one month of the active year: every
// category (with or without a budget) with its month's and its year's budget
// against actual, and "at this rate" for the month today is in. Built from
// ledger bytes already in memory (the main window's list when it holds the
// whole year), so a refresh after an added line reads no ledger again.
#include <optional>
#include <vector>

#include "budgets/BudgetTable.h"

namespace tessamo {

struct BudgetOverviewLine {
    BudgetRow month;                  // the chosen month
    BudgetRow year;                   // January to December
    std::optional<AmountSum> atThisRate;  // the month's actual at this rate
};

// The year's budgets and actual of the rows with a budget, expense and
// income apart (an expense row is one whose year budget is negative).
struct BudgetTotals {
    AmountSum expenseBudget = 0;
    AmountSum expenseActual = 0;
    AmountSum incomeBudget = 0;
    AmountSum incomeActual = 0;
};

struct BudgetOverview {
    std::vector<BudgetOverviewLine> lines;
    int month = 1;
    BudgetTotals year;
};

// `year` is the active year's number (for the month's length).
BudgetOverview MakeBudgetOverview(const YearBudgets& budgets, const std::vector<CategoryRecord>& categories,
                                  const LedgerBytesView& ledger, const std::string& dateStyle, int year, int month,
                                  const CalendarDate& today);

}  // namespace tessamo
