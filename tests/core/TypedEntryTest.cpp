#include <gtest/gtest.h>

#include "core/TypedEntry.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

TEST(TypedEntry, SaveStoresSignedCleanedAmount) {
    TestEnv env;
    TypedEntry expense{"03-07", "FO", " -$12.50 ", "bread"};
    EXPECT_EQ(SaveTypedEntry(env.state, expense, true), EntryOutcome::Written);
    EXPECT_EQ(expense.amount, "12.50");
    TypedEntry income{"03-08", "H", "1,234.50", "pay"};
    EXPECT_EQ(SaveTypedEntry(env.state, income, false), EntryOutcome::Written);
    TypedEntry open{"03-06", "FO", "abc", ""};
    EXPECT_EQ(SaveTypedEntry(env.state, open, true), EntryOutcome::Written);
    EXPECT_EQ(open.amount, "0");
    EXPECT_EQ(env.Ledger(), (std::vector<LedgerRecord>{Line("03-08-99", "H ", Money(1234.5), "pay"),
                                                        Line("03-07-99", "FO", Money(-12.5), "bread"),
                                                        Line("03-06-99", "FO", 0, "")}));
}

TEST(TypedEntry, ReplaceReadsAmountLikeSaveAndKeepsTheKind) {
    TestEnv env;
    const LedgerRecord opened = Line("03-07-99", "FO", Money(-12.5), "bread");
    env.PutLedger({opened, opened});
    env.state.OpenedRecord = opened;
    env.state.OpenedKind = EditKind::Expense;
    env.state.CurrentCategory = "FO";
    TypedEntry typed{"03-09", "HO", "1,234.50", "groceries"};
    EXPECT_EQ(ReplaceTypedEntry(env.state, typed), EntryOutcome::Written);
    EXPECT_EQ(env.Ledger(), (std::vector<LedgerRecord>{Line("03-09-99", "HO", Money(-1234.5), "groceries"), opened}));
    EXPECT_EQ(env.state.CurrentCategory, "HO");  // the list follows the saved line
}

// An open item given an amount: the question decides its kind; staying
// open (amount 0) asks nothing.
TEST(TypedEntry, ReplacingAnOpenItemWithAnAmountAsksItsKind) {
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        TestEnv env;
        const LedgerRecord opened = Line("03-07-99", "FO", 0, "gas bill");
        env.PutLedger({opened});
        env.state.OpenedRecord = opened;
        env.state.OpenedKind = EditKind::Income;
        env.dialogs.answers = {answer};
        TypedEntry typed{"03-07", "FO", "45", "gas bill"};
        EXPECT_EQ(ReplaceTypedEntry(env.state, typed), EntryOutcome::Written);
        EXPECT_EQ(env.Ledger()[0].Amount, answer == Answer::Yes ? Money(-45) : Money(45));
        ASSERT_EQ(env.dialogs.messages.size(), 1u);
        EXPECT_EQ(env.dialogs.Last().text, "Is this an expense?");
        EXPECT_EQ(env.dialogs.Last().buttons, MessageButtons::YesNo);

        env.state.OpenedRecord = env.Ledger()[0];
        env.state.OpenedKind = answer == Answer::Yes ? EditKind::Expense : EditKind::Income;
        TypedEntry again{"03-07", "FO", "", "gas bill"};
        EXPECT_EQ(ReplaceTypedEntry(env.state, again), EntryOutcome::Written);
        EXPECT_EQ(env.dialogs.messages.size(), 1u);
    }
}

TEST(TypedEntry, UnreadableAmountIsRefusedAndNothingWritten) {
    TestEnv env;
    env.state.CurrentCategory = "HO";
    for (const char* amount : {"1.2.3", ".", ","}) {
        TypedEntry typed{"03-07", "FO", amount, "x"};
        EXPECT_EQ(SaveTypedEntry(env.state, typed, false), EntryOutcome::Refused) << amount;
        EXPECT_EQ(env.dialogs.Last().text, std::string("Invalid Amount - ") + amount);
        EXPECT_EQ(env.dialogs.Last().title, "Entry Aborted");
        EXPECT_FALSE(TypedLineKey(env.state, typed).has_value());
    }
    TypedEntry badDate{"13-01", "FO", "5", "x"};
    EXPECT_EQ(SaveTypedEntry(env.state, badDate, false), EntryOutcome::Refused);
    EXPECT_EQ(env.state.CurrentCategory, "HO");  // a refused line does not move the list
    EXPECT_TRUE(env.Ledger().empty());
}

TEST(TypedEntry, LineKeyOfTheEditorMatchesTheStoredLine) {
    TestEnv env;
    env.state.OpenedKind = EditKind::Expense;
    const TypedEntry typed{"03-07", "FO", "12.5", "bread"};
    EXPECT_EQ(TypedLineKey(env.state, typed), std::optional<std::string>("03-07-99($12.50)FObread"));
}

}  // namespace
}  // namespace tessamo
