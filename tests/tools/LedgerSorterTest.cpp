// The ledger sorter: order, stability, stop and failures, byte-exact on disk.
#include <gtest/gtest.h>

#include "tools/LedgerSorter.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

class LedgerSorter : public ::testing::Test {
protected:
    SortOutcome Sort(const SortProgress& progress = nullptr) { return SortMainFile(t.state, progress, stop); }
    TestEnv t;
    std::atomic<bool> stop{false};
};

TEST_F(LedgerSorter, PutsKeysInDescendingOrderKeepingEqualKeysInPlace) {
    const LedgerRecord k1 = Line("01-05-99", "FO", Money(-1), "one");
    const LedgerRecord k3 = Line("03-05-99", "FO", Money(-3), "three");
    const LedgerRecord k2 = Line("02-05-99", "FO", Money(-2), "two");
    const LedgerRecord k2b = Line("02-05-99", "FO", Money(-9), "two again");
    t.PutLedger({k1, k3, k2});
    EXPECT_EQ(Sort(), SortOutcome::Finished);
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), EncodeRecords(std::vector<LedgerRecord>{k3, k2, k1}));

    t.PutLedger({k2b, k1, k2, k3});
    EXPECT_EQ(Sort(), SortOutcome::Finished);
    EXPECT_EQ(t.Ledger(), (std::vector<LedgerRecord>{k3, k2b, k2, k1}));
    EXPECT_FALSE(t.folder.Exists(kSortTempFileName));

    // The bytes of a partial last record stay at the end.
    t.folder.Write("1999TSM.DAT", EncodeRecords(std::vector<LedgerRecord>{k1, k3}) + "tail");
    EXPECT_EQ(Sort(), SortOutcome::Finished);
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), EncodeRecords(std::vector<LedgerRecord>{k3, k1}) + "tail");
}

// Records are moved in place along the cycles of the permutation: every
// shuffle of 28 days, of short and long cycles, comes out as one order.
TEST_F(LedgerSorter, AnyShuffleComesOutInOneOrder) {
    std::vector<LedgerRecord> sorted;
    for (int day = 28; day >= 1; --day)
        sorted.push_back(Line("02-" + std::string(day < 10 ? "0" : "") + std::to_string(day) + "-99", "FO", Money(day)));
    for (unsigned step : {1u, 3u, 5u, 27u}) {
        std::vector<LedgerRecord> shuffled;
        for (std::size_t i = 0; i < sorted.size(); ++i) shuffled.push_back(sorted[(i * step + 7) % sorted.size()]);
        t.PutLedger(shuffled);
        EXPECT_EQ(Sort(), SortOutcome::Finished);
        EXPECT_EQ(t.Ledger(), sorted) << step;
    }
}

TEST_F(LedgerSorter, ReportsEveryPassAndHandlesTinyFiles) {
    std::vector<LedgerRecord> ledger;
    for (int day = 1; day <= 9; ++day) ledger.push_back(Line("01-0" + std::to_string(day) + "-99", "FO", Money(day)));
    t.PutLedger(ledger);
    std::vector<std::size_t> seen;
    EXPECT_EQ(Sort([&](std::size_t pass, std::size_t passes) {
                  seen.push_back(pass);
                  EXPECT_EQ(passes, 4u);
              }),
              SortOutcome::Finished);
    EXPECT_EQ(seen, (std::vector<std::size_t>{1, 2, 3, 4}));
    EXPECT_EQ(t.Ledger().front().Date, "01-09-99");

    EXPECT_EQ(SortPassCount(0), 0u);
    EXPECT_EQ(SortPassCount(1), 1u);
    EXPECT_EQ(SortPassCount(2), 1u);
    EXPECT_EQ(Sort(), SortOutcome::Finished);  // already ordered
    t.PutLedger({});
    EXPECT_EQ(Sort(), SortOutcome::Finished);
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), "");
}

TEST_F(LedgerSorter, StopBetweenPassesLeavesTheFileAsItWas) {
    t.PutLedger({Line("01-05-99", "FO", 1), Line("03-05-99", "FO", 2), Line("02-05-99", "FO", 3)});
    const std::string before = t.folder.Read("1999TSM.DAT");
    EXPECT_EQ(Sort([&](std::size_t pass, std::size_t) { stop = pass == 2; }), SortOutcome::Stopped);
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), before);
}

TEST_F(LedgerSorter, FailedRewriteIsReportedAndLeavesTheFile) {
    t.PutLedger({Line("01-05-99", "FO", 1), Line("03-05-99", "FO", 2)});
    const std::string before = t.folder.Read("1999TSM.DAT");
    t.files.Fail(FaultyFileSystem::Op::Replace, "No space left on device");
    EXPECT_EQ(Sort(), SortOutcome::Failed);
    EXPECT_EQ(t.dialogs.Last().title, "File Error");
    EXPECT_NE(t.dialogs.Last().text.find("No space left on device"), std::string::npos);
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), before);
}

}  // namespace
}  // namespace tessamo
