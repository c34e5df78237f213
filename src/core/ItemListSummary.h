#pragma once
// ItemListSummary: what the ledger view shows for one category of the active
// year, as text: the item list's cells and the four status panel texts. Shared
// by the main window's item list and the command line's "list", so both show
// the same. Texts that come from records (notes, category names) stay in
// Windows-1252 bytes; the caller converts them at its edge.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Amounts.h"
#include "core/LedgerBytes.h"
#include "core/Records.h"
#include "core/SharedState.h"
#include "platform/MoneyFormat.h"
#include "platform/Status.h"

namespace tessamo {

// The category value that lists every line.
inline constexpr const char* kAllCategories = "all";

// The item list's header captions: "Date", "Amount", "Code", "Note".
extern const std::array<const char*, 4> kItemListHeaders;

// The amount cell: currency text, "****?****" for an open item (0).
std::string ItemAmountText(std::int64_t amount, const MoneyFormat& money);

// The four cells of one item row: Date as stored, amount text, Code as
// stored, Note trimmed at both ends.
std::array<std::string, 4> ItemCells(const LedgerBytesRecord& record, const MoneyFormat& money);

// The category's description (16 characters, trailing blanks kept) of the
// first record whose Code equals `code` exactly; `name` is left as it was
// when there is none.
void CategoryLabel(const std::vector<CategoryRecord>& categories, const std::string& code, std::string& name);

// The three StatusBar0TSM texts of exact totals: "  Income = $1.00  " (or
// "  No Income! "), "  Expense = ($2.00)  " (or "  No Expense! "),
// "  Balance = ($1.00)  ".
std::array<std::string, 3> TotalsStatusTexts(AmountSum income, AmountSum expense, AmountSum balance,
                                             const MoneyFormat& money);

struct ItemListSummary {
    LedgerLines items;                // the listed records, in file order
    AmountSum income = 0;             // sum of positive amounts, exact
    AmountSum expense = 0;            // sum of negative amounts, exact
    AmountSum balance = 0;            // sum of all listed amounts, exact
    std::string incomeText;           // StatusBar0TSM panel 1
    std::string expenseText;          // StatusBar0TSM panel 2
    std::string balanceText;          // StatusBar0TSM panel 3
    std::string recordsText;          // StatusBarTSM panel 1
};

// Builds the listing of `category` ("all", or a code compared exactly with
// both characters) from the whole ledger and category list.
// `yearText` is the year shown in the records panel (the first four
// characters of LedgerFileName).
ItemListSummary SummarizeLedger(const std::vector<LedgerRecord>& ledger, const std::vector<CategoryRecord>& categories,
                              const std::string& category, const std::string& yearText, const MoneyFormat& money);
// The same over the ledger file's bytes. Only the listed records are kept,
// as raw records; "all" takes the bytes over whole: pass them with
// std::move so a rebuild of a long ledger costs one read and no copy.
ItemListSummary SummarizeLedgerBytes(std::string ledgerBytes, const std::vector<CategoryRecord>& categories,
                                   const std::string& category, const std::string& yearText,
                                   const MoneyFormat& money);

// Reads the active year's ledger and category files (without creating them)
// and summarizes `category`.
Status LoadItemListSummary(const SharedState& state, const std::string& category, ItemListSummary& summary);

}  // namespace tessamo
