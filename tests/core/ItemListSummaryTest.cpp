// The ledger view's texts: which records are listed, the totals and the four
// status panels.
#include <gtest/gtest.h>

#include "core/ItemListSummary.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

const std::vector<CategoryRecord> kCategories{CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("FO", "Second")};

TEST(ItemListSummary, EmptyLedger) {
    ItemListSummary s = SummarizeLedger({}, kCategories, "all", "1999TSM.DAT", MoneyFormat::Reference());
    EXPECT_EQ(s.incomeText, "  No Income! ");
    EXPECT_EQ(s.expenseText, "  No Expense! ");
    EXPECT_EQ(s.balanceText, "  Balance = $0.00  ");
    EXPECT_EQ(s.recordsText, " 0  1999  records for category: ALL  ");
}

TEST(ItemListSummary, OneCategoryWithAnOpenItemAndAStrayCode) {
    const std::vector<LedgerRecord> ledger{Line("03-01-99", "FO", 0, "  open  "), Line("02-01-99", "F", Money(5)),
                                           Line("01-01-99", "FO", Money(-7.25)), Line("01-01-99", "ZZ", Money(3))};
    ItemListSummary food = SummarizeLedger(ledger, kCategories, "FO", "1999TSM.DAT", MoneyFormat::Reference());
    ASSERT_EQ(food.items.size(), 2u);
    EXPECT_EQ(food.incomeText, "  No Income! ");
    EXPECT_EQ(food.expenseText, "  Expense = ($7.25)  ");
    EXPECT_EQ(food.recordsText, " 2  1999  records for category: FO  Food            ");
    EXPECT_EQ(ItemCells(food.items[0], MoneyFormat::Reference()),
              (std::array<std::string, 4>{"03-01-99", "****?****", "FO", "open"}));

    ItemListSummary all = SummarizeLedger(ledger, kCategories, "all", "1999TSM.DAT", MoneyFormat::Reference());
    EXPECT_EQ(all.items.size(), 4u);
    EXPECT_EQ(all.balance, Money(0.75));
    EXPECT_EQ(all.incomeText, "  Income = $8.00  ");

    ItemListSummary stray = SummarizeLedger(ledger, kCategories, "ZZ", "1999TSM.DAT", MoneyFormat::Reference());
    EXPECT_EQ(stray.recordsText, " 1  1999  records for category: ZZ  ");
}

}  // namespace
}  // namespace tessamo
