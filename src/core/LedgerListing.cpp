#include "core/LedgerListing.h"

#include "core/Amounts.h"
#include "core/FileErrors.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"

namespace tessamo {
namespace {

template <class Record>
bool ReadYearFile(SharedState& state, const std::string& name, std::vector<Record>& records) {
    Dialogs& dialogs = state.env.dialogs;
    // Opening a year file that does not exist yet creates it empty.
    if (!ReportIfFailed(dialogs, state.env.files.CreateIfMissing(name))) return false;
    return ReportIfFailed(dialogs, ReadRecords(state.env.files, name, records));
}

}  // namespace

bool ListedInCategory(const LedgerRecord& record, const std::string& category) {
    return category == kAllCategories || record.Code == category;
}

LedgerListing ListLedger(std::vector<LedgerRecord> records, const std::string& category) {
    LedgerListing listing;
    if (category == kAllCategories) {
        listing.records = std::move(records);
    } else {
        for (LedgerRecord& r : records)
            if (ListedInCategory(r, category)) listing.records.push_back(std::move(r));
    }
    LedgerTotals& t = listing.totals;
    for (const LedgerRecord& r : listing.records) {
        t.balance += r.Amount;
        if (r.Amount > 0) t.income += r.Amount;
        if (r.Amount < 0) t.expense += r.Amount;
    }
    t.count = listing.records.size();
    return listing;
}

bool ReadLedgerListing(SharedState& state, const std::string& category, LedgerListing& listing) {
    std::vector<LedgerRecord> records;
    const bool ok = ReadYearFile(state, state.LedgerFileName, records);
    listing = ListLedger(std::move(records), category);
    return ok;
}

bool ReadCategoryList(SharedState& state, std::vector<CategoryRecord>& categories) {
    categories.clear();
    return ReadYearFile(state, state.CategoryFileName, categories);
}

void getlabel(SharedState& state, const std::string& code, std::string& name) {
    std::vector<CategoryRecord> categories;
    if (!ReportIfFailed(state.env.dialogs, ReadRecords(state.env.files, state.CategoryFileName, categories))) return;
    for (const CategoryRecord& c : categories) {
        if (c.Code == code) {
            name = c.Name;
            return;
        }
    }
}

std::string AmountCellText(std::int64_t amount, const MoneyFormat& format) {
    return amount == 0 ? kZeroAmountMarker : CurrencyText(amount, format);
}

std::string IncomeStatusText(const LedgerTotals& totals, const MoneyFormat& format) {
    if (totals.income == 0) return "  No Income! ";
    return "  Income = " + CurrencyText(totals.income, format) + "  ";
}

std::string ExpenseStatusText(const LedgerTotals& totals, const MoneyFormat& format) {
    if (totals.expense == 0) return "  No Expense! ";
    return "  Expense = " + CurrencyText(totals.expense, format) + "  ";
}

std::string BalanceStatusText(const LedgerTotals& totals, const MoneyFormat& format) {
    return "  Balance = " + CurrencyText(totals.balance, format) + "  ";
}

std::string RecordsStatusText(std::size_t count, const std::string& ledgerFileName, const std::string& category,
                              const std::string& name) {
    return " " + std::to_string(count) + "  " + ledgerFileName.substr(0, 4) + "  records for category: " +
           ToUpperAscii(category) + "  " + name;
}

std::string ActiveYearStatusText(const std::string& year) { return "   Active Year = " + year + "  "; }

}  // namespace tessamo
