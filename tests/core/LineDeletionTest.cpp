#include <gtest/gtest.h>

#include "core/LineDeletion.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

struct LineDeletionTest : ::testing::Test {
    void SetUp() override {
        env.PutLedger({twin, Line("03-06-99", "FO", Money(3), "keep"), twin, Line("03-05-99", "HO", 0, "open")});
    }
    TestEnv env;
    const LedgerRecord twin = Line("03-07-99", "FO", Money(-12.5), "  bread  ");
};

TEST_F(LineDeletionTest, KeysUseCurrencyTextAndTrimmedNote) {
    EXPECT_EQ(RecordLineKey(twin, env.env.money), "03-07-99($12.50)FObread");
    EXPECT_EQ(RecordLineKey(Line("03-05-99", "HO", 0, "open"), env.env.money), "03-05-99$0.00HOopen");
}

TEST_F(LineDeletionTest, RemovesEveryEqualLineKeepingTheOrder) {
    env.dialogs.answers = {Answer::Yes};
    EXPECT_EQ(DeleteRec(env.state, "  03-07-99($12.50)FObread "), DeleteOutcome::Deleted);
    EXPECT_EQ(env.Ledger(), (std::vector<LedgerRecord>{Line("03-06-99", "FO", Money(3), "keep"),
                                                        Line("03-05-99", "HO", 0, "open")}));
    EXPECT_FALSE(env.folder.Exists("temp.$$$"));
}

TEST_F(LineDeletionTest, DeclinedOrUnmatchedLeavesTheFile) {
    const std::string before = env.folder.Read(env.state.LedgerFileName);
    EXPECT_EQ(DeleteRec(env.state, RecordLineKey(twin, env.env.money)), DeleteOutcome::Declined);
    env.dialogs.answers = {Answer::Yes};
    EXPECT_EQ(DeleteRec(env.state, HeaderLineKey()), DeleteOutcome::NoneMatched);
    env.dialogs.answers = {Answer::Yes};
    EXPECT_EQ(DeleteRec(env.state, "03-07-99($12.50)FOBREAD"), DeleteOutcome::NoneMatched);  // exact case
    EXPECT_EQ(env.folder.Read(env.state.LedgerFileName), before);
}

TEST_F(LineDeletionTest, LeftoverTempAddsNothingAndFailureKeepsLedger) {
    env.folder.Write("temp.$$$", std::string(58 * 3, 'x'));
    env.dialogs.answers = {Answer::Yes};
    EXPECT_EQ(DeleteRec(env.state, "03-05-99$0.00HOopen"), DeleteOutcome::Deleted);
    EXPECT_EQ(env.Ledger().size(), 3u);

    const std::string before = env.folder.Read(env.state.LedgerFileName);
    env.files.Fail(FaultyFileSystem::Op::Replace, "Disk full");
    env.dialogs.answers = {Answer::Yes};
    EXPECT_EQ(DeleteRec(env.state, RecordLineKey(twin, env.env.money)), DeleteOutcome::Failed);
    EXPECT_EQ(env.dialogs.Last().title, "File Error");
    EXPECT_EQ(env.folder.Read(env.state.LedgerFileName), before);
}

}  // namespace
}  // namespace tessamo
