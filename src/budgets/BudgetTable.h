#pragma once
// Budget against actual: each code's ledger amounts summed per month in one
// pass over the year's ledger, and the rows the budget window, the budget
// chart and "tessamo-cli budget" show, so all three give the same numbers.
//
// A line counts in the month its date names (the ledger's date style); a
// line whose date names no month 1..12 counts in none. Budget and actual
// are signed as amounts are: an expense budget of -200.00 with -150.00
// spent leaves -50.00 and is 75.0 % used.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "budgets/BudgetFile.h"
#include "core/Amounts.h"
#include "core/CodeTable.h"
#include "core/LedgerBytes.h"
#include "core/Records.h"
#include "core/SharedState.h"
#include "platform/Clock.h"

namespace tessamo {

// The description shown for a budget whose code the category file no longer lists.
inline constexpr const char* kNoCategoryText = "(no category)";

class ActualSums {
public:
    // One pass over the ledger's lines.
    ActualSums(const LedgerBytesView& ledger, const std::string& dateStyle);
    // The code's amounts in the months first..last (1..12), exact.
    AmountSum Sum(const std::string& code, int firstMonth, int lastMonth) const;
    // The codes met on lines in any month, in the order first met.
    const std::vector<std::string>& Codes() const { return codes_; }

private:
    CodeTable<std::array<AmountSum, 12>> months_;
    std::vector<std::string> codes_;
};

enum class BudgetState {
    Within,  // less than 90 % of the budget used
    Near,    // 90 % to 100 %
    Over,    // beyond the budget
};

struct BudgetRow {
    std::string code;         // as the files hold it (Windows-1252, two bytes)
    std::string description;  // Windows-1252, trailing blanks cut; kNoCategoryText when unlisted
    bool listed = true;       // the category file lists the code
    bool hasBudget = false;   // a budget in at least one month of the range
    AmountSum budget = 0;     // the range's months added (those without a budget add nothing)
    AmountSum actual = 0;
    AmountSum left = 0;       // budget - actual
    // Actual / budget x 1000, rounded half away from zero: 750 is 75.0 %.
    // None without a budget, or with a budget of zero.
    std::optional<AmountSum> usedTenths;
    BudgetState state = BudgetState::Within;
};

struct BudgetRowChoice {
    int firstMonth = 1;
    int lastMonth = 12;
    // Also the rows without a budget in the range: every listed category and
    // every code with a budget in any month (the window shows them all; the
    // command line and the chart only budgets of the range).
    bool withoutBudget = false;
};

// The listed categories in the category file's order (a code listed twice
// once), then the budgets of codes it does not list, in code order.
std::vector<BudgetRow> BudgetRows(const YearBudgets& budgets, const std::vector<CategoryRecord>& categories,
                                  const ActualSums& actual, const BudgetRowChoice& choice);

// The rows of the active year, its files read (ledger, categories, budgets).
Status LoadBudgetRows(const SharedState& state, const BudgetRowChoice& choice, std::vector<BudgetRow>& rows);

// `numerator` / `denominator` rounded half away from zero; denominator not 0.
AmountSum RoundedQuotient(AmountSum numerator, AmountSum denominator);

// `scaled` / 10^decimals as a plain signed decimal: DecimalText(-20000, 2) is "-200.00".
std::string DecimalText(AmountSum scaled, int decimals);

// "75.0", "-12.5", "100.0": a share in tenths of a percent as text.
std::string UsedPercentText(AmountSum tenths);

// A plain signed decimal rounded half away from zero to two decimals, with a
// point and no grouping: "-200.00", "0.50".
std::string CentsText(AmountSum amount);

// The month's actual scaled to the month's whole length from today's day,
// rounded half away from zero to the cent; only for the month today is in.
std::optional<AmountSum> AtThisRate(AmountSum monthActual, int year, int month, const CalendarDate& today);

}  // namespace tessamo
