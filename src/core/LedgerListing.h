#pragma once
// The ledger as the main window lists it: the lines of one category (or of
// "all"), in file order, with the income, expense and balance totals of what
// is listed, the texts of the amount cells and of the status panels, and the
// category lists. Kept free of the window so the command line lists the same.
#include <cstdint>
#include <string>
#include <vector>

#include "core/Records.h"
#include "core/SharedState.h"
#include "platform/MoneyFormat.h"

namespace tessamo {

inline constexpr const char* kAllCategories = "all";
// Shown in place of the currency text for an amount of zero (an open item).
inline constexpr const char* kZeroAmountMarker = "****?****";

struct LedgerTotals {
    std::int64_t income = 0;   // sum of the positive amounts
    std::int64_t expense = 0;  // sum of the negative amounts (negative)
    std::int64_t balance = 0;  // sum of all amounts
    std::size_t count = 0;     // listed lines, zero amounts included
};

struct LedgerListing {
    std::vector<LedgerRecord> records;  // the listed lines, in file order
    LedgerTotals totals;
};

// True when the line belongs to `category`: "all", or its Code equals the
// category exactly (both characters).
bool ListedInCategory(const LedgerRecord& record, const std::string& category);

// Keeps the lines of `category` and totals them.
LedgerListing ListLedger(std::vector<LedgerRecord> records, const std::string& category);

// Reads the active ledger (creating it empty when missing) and lists `category`.
// False after a file failure was shown; `listing` is then empty.
bool ReadLedgerListing(SharedState& state, const std::string& category, LedgerListing& listing);

// The active year's categories in file order (the file is created when missing).
bool ReadCategoryList(SharedState& state, std::vector<CategoryRecord>& categories);

// The category's Name (16 characters, trailing blanks kept) from the category
// file; `name` keeps its value when no record's Code equals `code` exactly.
void getlabel(SharedState& state, const std::string& code, std::string& name);

// Currency text of the amount, or "****?****" for zero.
std::string AmountCellText(std::int64_t amount, const MoneyFormat& format);

// The status panels, in the money format's encoding (UTF-8): callers pass the
// category and its name already converted from the records' code page.
std::string IncomeStatusText(const LedgerTotals& totals, const MoneyFormat& format);
std::string ExpenseStatusText(const LedgerTotals& totals, const MoneyFormat& format);
std::string BalanceStatusText(const LedgerTotals& totals, const MoneyFormat& format);
// " 12  1999  records for category: ALL  " followed by the category's name.
std::string RecordsStatusText(std::size_t count, const std::string& ledgerFileName, const std::string& category,
                              const std::string& name);
std::string ActiveYearStatusText(const std::string& year);

}  // namespace tessamo
