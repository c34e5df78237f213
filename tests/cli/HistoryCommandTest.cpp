// End to end: tessamo-cli "history", "undo" and "redo" over the journal the
// writing commands leave, across separate runs (the undo survives a restart).
#include <gtest/gtest.h>

#include <algorithm>

#include "cli/CliFixture.h"

namespace tessamo {
namespace {

class HistoryCliTest : public CliFolderTest {
protected:
    void SetUp() override {
        CliFolderTest::SetUp();
        if (IsSkipped()) return;
        t.PutCategories({CategoryRecord::Make("FO", "Food")});
        t.PutLedger({Line("03-01-99", "FO", Money(-1), "first")});
        start_ = t.folder.Read(t.state.LedgerFileName);
        ASSERT_EQ(Run({"--year", "1999", "add", "expense", "FO", "12.50", "groceries", "--date", "03-07"}).exitCode, 0);
        afterOne_ = t.folder.Read(t.state.LedgerFileName);
        ASSERT_EQ(Run({"--year", "1999", "add", "income", "FO", "3", "refund", "--date", "03-08"}).exitCode, 0);
        afterTwo_ = t.folder.Read(t.state.LedgerFileName);
    }
    std::string Ledger() const { return t.folder.Read(t.state.LedgerFileName); }
    std::string start_, afterOne_, afterTwo_;
};

TEST_F(HistoryCliTest, ListsUndoesAndRedoesNewestFirst) {
    const CliRun history = Run({"history"});
    EXPECT_EQ(history.exitCode, 0);
    ASSERT_EQ(std::count(history.out.begin(), history.out.end(), '\n'), 2);
    EXPECT_TRUE(history.out.starts_with("1\t")) << history.out;
    EXPECT_NE(history.out.find("\t1999\tAdd line 03-08-99 $3.00 FO refund\n2\t"), std::string::npos) << history.out;
    EXPECT_NE(history.out.find("\t1999\tAdd line 03-07-99 ($12.50) FO groceries\n"), std::string::npos);

    const CliRun undo = Run({"undo"});
    EXPECT_EQ(undo.exitCode, 0);
    EXPECT_EQ(undo.out, "Undid Add line 03-08-99 $3.00 FO refund (1999)\n");
    EXPECT_EQ(Ledger(), afterOne_);
    EXPECT_EQ(Run({"undo", "1"}).exitCode, 0);
    EXPECT_EQ(Ledger(), start_);

    const CliRun nothing = Run({"undo"});
    EXPECT_EQ(nothing.exitCode, 1);
    EXPECT_NE(nothing.err.find("There is nothing to undo."), std::string::npos);

    const CliRun redo = Run({"redo", "2"});
    EXPECT_EQ(redo.exitCode, 0);
    EXPECT_EQ(redo.out, "Redid Add line 03-07-99 ($12.50) FO groceries (1999)\n"
                        "Redid Add line 03-08-99 $3.00 FO refund (1999)\n");
    EXPECT_EQ(Ledger(), afterTwo_);
    EXPECT_EQ(Run({"redo"}).exitCode, 1);
    EXPECT_EQ(Run({"undo", "0"}).exitCode, 2);
}

TEST_F(HistoryCliTest, TheLimitIsAUserSettingAndDropsOlderChanges) {
    EXPECT_EQ(Run({"history", "--limit"}).out, "changes = 1000\nmegabytes = 64\n");
    EXPECT_EQ(Run({"history", "--limit", "1"}).out, "changes = 1\nmegabytes = 64\n");
    EXPECT_EQ(Run({"history", "--limit", "0"}).exitCode, 2);
    ASSERT_EQ(Run({"--year", "1999", "add", "income", "FO", "4", "third", "--date", "03-09"}).exitCode, 0);
    const CliRun history = Run({"history"});
    EXPECT_EQ(std::count(history.out.begin(), history.out.end(), '\n'), 1) << history.out;
    EXPECT_NE(history.out.find("third"), std::string::npos);
}

TEST_F(HistoryCliTest, AnOutsideChangeRefusesTheUndoAndWritesNothing) {
    std::string outside = afterTwo_;
    outside.replace(outside.find("refund"), 6, "REFUND");
    t.folder.Write(t.state.LedgerFileName, outside);
    const CliRun undo = Run({"undo"});
    EXPECT_EQ(undo.exitCode, 1);
    EXPECT_NE(undo.err.find("changed outside"), std::string::npos) << undo.err;
    EXPECT_EQ(Ledger(), outside);
    EXPECT_EQ(Run({"undo", "3"}).exitCode, 1);  // more than there are
}

}  // namespace
}  // namespace tessamo
