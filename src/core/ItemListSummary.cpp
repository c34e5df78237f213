#include "core/ItemListSummary.h"

#include <utility>

#include "core/Amounts.h"
#include "core/FixedText.h"
#include "core/RecordFile.h"

namespace tessamo {

const std::array<const char*, 4> kItemListHeaders = {"Date", "Amount", "Code", "Note"};

std::string ItemAmountText(std::int64_t amount, const MoneyFormat& money) {
    return amount == 0 ? "****?****" : CurrencyText(amount, money);
}

std::array<std::string, 4> ItemCells(const LedgerBytesRecord& record, const MoneyFormat& money) {
    return {std::string(record.Date()), ItemAmountText(record.Amount(), money), std::string(record.Code()),
            TrimBlanks(record.Note())};
}

void CategoryLabel(const std::vector<CategoryRecord>& categories, const std::string& code, std::string& name) {
    for (const CategoryRecord& c : categories) {
        if (c.Code == code) {
            name = c.Name;
            return;
        }
    }
}

std::array<std::string, 3> TotalsStatusTexts(AmountSum income, AmountSum expense, AmountSum balance,
                                             const MoneyFormat& money) {
    return {income == 0 ? "  No Income! " : "  Income = " + CurrencyText(income, money) + "  ",
            expense == 0 ? "  No Expense! " : "  Expense = " + CurrencyText(expense, money) + "  ",
            "  Balance = " + CurrencyText(balance, money) + "  "};
}

namespace {

void WriteStatusTexts(ItemListSummary& s, const std::vector<CategoryRecord>& categories, const std::string& category,
                      const std::string& yearText, const MoneyFormat& money) {
    std::array<std::string, 3> texts = TotalsStatusTexts(s.income, s.expense, s.balance, money);
    s.incomeText = std::move(texts[0]);
    s.expenseText = std::move(texts[1]);
    s.balanceText = std::move(texts[2]);
    std::string name;
    CategoryLabel(categories, category, name);
    s.recordsText = " " + std::to_string(s.items.size()) + "  " + yearText.substr(0, 4) +
                    "  records for category: " + ToUpperAscii(category) + "  " + name;
}

void AddToTotals(ItemListSummary& s, std::int64_t amount) {
    s.balance += amount;
    if (amount > 0) s.income += amount;
    if (amount < 0) s.expense += amount;
}

}  // namespace

ItemListSummary SummarizeLedgerBytes(std::string ledgerBytes, const std::vector<CategoryRecord>& categories,
                                   const std::string& category, const std::string& yearText,
                                   const MoneyFormat& money) {
    ItemListSummary s;
    if (category == kAllCategories) {
        s.items = LedgerLines(std::move(ledgerBytes));  // every record is listed: take the bytes whole
    } else {
        // Both characters compared as one number: a code of another length
        // lists nothing.
        const LedgerBytesView ledger(ledgerBytes);
        const std::uint16_t code = CodeKey(category);
        for (std::size_t i = 0; i < ledger.size() && category.size() == 2; ++i)
            if (CodeKey(ledger[i].Code()) == code) s.items.Append(ledger[i]);
    }
    const LedgerBytesView listed = s.items.View();
    for (std::size_t i = 0; i < listed.size(); ++i) AddToTotals(s, listed[i].Amount());
    WriteStatusTexts(s, categories, category, yearText, money);
    return s;
}

ItemListSummary SummarizeLedger(const std::vector<LedgerRecord>& ledger, const std::vector<CategoryRecord>& categories,
                              const std::string& category, const std::string& yearText, const MoneyFormat& money) {
    return SummarizeLedgerBytes(EncodeRecords(ledger), categories, category, yearText, money);
}

Status LoadItemListSummary(const SharedState& state, const std::string& category, ItemListSummary& summary) {
    std::string ledger;
    Status s = state.env.files.ReadAll(state.LedgerFileName, ledger);
    if (!s.ok()) return s;
    std::vector<CategoryRecord> categories;
    s = ReadRecords(state.env.files, state.CategoryFileName, categories);
    if (!s.ok()) return s;
    summary = SummarizeLedgerBytes(std::move(ledger), categories, category, state.LedgerFileName, state.env.money);
    return Status::Ok();
}

}  // namespace tessamo
