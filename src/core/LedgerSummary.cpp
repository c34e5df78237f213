#include "core/LedgerSummary.h"

#include <utility>

#include "core/Amounts.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"

namespace tessamo {

const std::array<const char*, 4> kItemListHeaders = {"Date", "Amount", "Code", "Note"};

std::string ItemAmountText(std::int64_t amount, const MoneyFormat& money) {
    return amount == 0 ? "****?****" : CurrencyText(amount, money);
}

std::array<std::string, 4> ItemCells(const LedgerRecord& record, const MoneyFormat& money) {
    return {record.Date, ItemAmountText(record.Amount, money), record.Code, TrimBlanks(record.Note)};
}

bool ListedInCategory(const LedgerRecord& record, const std::string& category) {
    return category == kAllCategories || record.Code == category;
}

void CategoryLabel(const std::vector<CategoryRecord>& categories, const std::string& code, std::string& name) {
    for (const CategoryRecord& c : categories) {
        if (c.Code == code) {
            name = c.Name;
            return;
        }
    }
}

namespace {

void WriteStatusTexts(LedgerSummary& s, const std::vector<CategoryRecord>& categories, const std::string& category,
                      const std::string& yearText, const MoneyFormat& money) {
    s.incomeText = s.income == 0 ? "  No Income! " : "  Income = " + CurrencyText(s.income, money) + "  ";
    s.expenseText = s.expense == 0 ? "  No Expense! " : "  Expense = " + CurrencyText(s.expense, money) + "  ";
    s.balanceText = "  Balance = " + CurrencyText(s.balance, money) + "  ";
    std::string name;
    CategoryLabel(categories, category, name);
    s.recordsText = " " + std::to_string(s.items.size()) + "  " + yearText.substr(0, 4) +
                    "  records for category: " + ToUpperAscii(category) + "  " + name;
}

void AddToTotals(LedgerSummary& s, const LedgerRecord& r) {
    s.balance += r.Amount;
    if (r.Amount > 0) s.income += r.Amount;
    if (r.Amount < 0) s.expense += r.Amount;
}

}  // namespace

LedgerSummary SummarizeLedger(std::vector<LedgerRecord> ledger, const std::vector<CategoryRecord>& categories,
                              const std::string& category, const std::string& yearText, const MoneyFormat& money) {
    LedgerSummary s;
    if (category == kAllCategories) {
        s.items = std::move(ledger);  // every record is listed: take the vector whole
    } else {
        for (LedgerRecord& r : ledger)
            if (ListedInCategory(r, category)) s.items.push_back(std::move(r));
    }
    for (const LedgerRecord& r : s.items) AddToTotals(s, r);
    WriteStatusTexts(s, categories, category, yearText, money);
    return s;
}

Status LoadLedgerSummary(const SharedState& state, const std::string& category, LedgerSummary& summary) {
    std::vector<LedgerRecord> ledger;
    Status s = ReadRecords(state.env.files, state.LedgerFileName, ledger);
    if (!s.ok()) return s;
    std::vector<CategoryRecord> categories;
    s = ReadRecords(state.env.files, state.CategoryFileName, categories);
    if (!s.ok()) return s;
    summary = SummarizeLedger(std::move(ledger), categories, category, state.LedgerFileName, state.env.money);
    return Status::Ok();
}

}  // namespace tessamo
