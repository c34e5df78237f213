// Entry insertion and replacement, with the bytes that land on disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/LedgerEntry.h"
#include "core/FixedText.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

std::vector<std::string> Notes(const std::vector<LedgerRecord>& records) {
    std::vector<std::string> notes;
    for (const auto& r : records) notes.push_back(TrimRightBlanks(r.Note));
    return notes;
}

class InsertRecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.PutLedger({Line("03-10-99", "FO", Money(-5), "c"), Line("02-01-99", "FO", Money(-6), "b"),
                     Line("01-01-99", "HO", Money(7), "a")});
    }
    TestEnv t;
};

TEST_F(InsertRecordTest, PlacesEachEntryBeforeTheFirstLowerOrEqualKey) {
    EXPECT_EQ(InsertRecord(t.state, Line("12-31-99", "FO", 1, "newest")), EntryOutcome::Written);
    EXPECT_EQ(InsertRecord(t.state, Line("01-01-98", "FO", 1, "oldest")), EntryOutcome::Written);
    EXPECT_EQ(InsertRecord(t.state, Line("02-01-99", "FO", 1, "same key")), EntryOutcome::Written);
    EXPECT_EQ(InsertRecord(t.state, Line("02-01-99", "fo", 1, "lower case")), EntryOutcome::Written);
    EXPECT_EQ(Notes(t.Ledger()),
              (std::vector<std::string>{"lower case", "newest", "c", "same key", "b", "a", "oldest"}));
    EXPECT_EQ(t.folder.Read("1999TSM.DAT").size(), 7u * 58u);
    EXPECT_FALSE(t.folder.Exists("temp.$$$"));
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(InsertRecordTest, PartialTailIsNoLineAndIsNotWrittenBack) {
    t.folder.Write("1999TSM.DAT", t.folder.Read("1999TSM.DAT") + "tail");
    EXPECT_EQ(InsertRecord(t.state, Line("01-01-98", "FO", 1, "oldest")), EntryOutcome::Written);
    EXPECT_EQ(Notes(t.Ledger()), (std::vector<std::string>{"c", "b", "a", "oldest"}));
    EXPECT_EQ(t.folder.Read("1999TSM.DAT").size(), 4u * 58u);
}

TEST_F(InsertRecordTest, EmptyLedgerGetsRecordOneByteExact) {
    t.state.SetActiveYear("2000");
    ASSERT_EQ(InsertRecord(t.state, Line("03-07-00", "FO", Money(-12.5), "Lunch")), EntryOutcome::Written);
    std::string expected;
    Line("03-07-00", "FO", -125000, "Lunch").AppendBytes(expected);
    EXPECT_EQ(t.folder.Read("2000TSM.DAT"), expected);
}

TEST_F(InsertRecordTest, RefusedEntriesAreReportedAndWriteNothing) {
    const std::string before = t.folder.Read("1999TSM.DAT");
    EXPECT_EQ(InsertRecord(t.state, Line("13-05-99", "FO", 1)), EntryOutcome::Refused);
    EXPECT_EQ(InsertRecord(t.state, Line("03-05-99", "  ", 1)), EntryOutcome::Refused);
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Invalid Date - 13-05-99");
    EXPECT_EQ(t.dialogs.messages[0].title, "Entry Aborted");
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(t.dialogs.messages[1].text, "No Category Selected");
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), before);
    t.state.DateStyle = "E";  // the same typed date is valid day first
    EXPECT_EQ(InsertRecord(t.state, Line("13-05-99", "FO", 1)), EntryOutcome::Written);
}

TEST_F(InsertRecordTest, LeftoverTempFileNeverAddsRecords) {
    t.folder.Write("temp.$$$", std::string(58 * 5, 'X'));
    ASSERT_EQ(InsertRecord(t.state, Line("12-31-99", "FO", 1, "new")), EntryOutcome::Written);
    EXPECT_EQ(Notes(t.Ledger()), (std::vector<std::string>{"new", "c", "b", "a"}));
}

TEST_F(InsertRecordTest, FailedRewriteLeavesLedgerAndNamesTheFile) {
    const std::string before = t.folder.Read("1999TSM.DAT");
    t.files.Fail(FaultyFileSystem::Op::Replace, "No space left on device");
    EXPECT_EQ(InsertRecord(t.state, Line("12-31-99", "FO", 1)), EntryOutcome::Failed);
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), before);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_NE(t.dialogs.Last().text.find("1999TSM.DAT"), std::string::npos);
    EXPECT_NE(t.dialogs.Last().text.find("No space left on device"), std::string::npos);
    EXPECT_EQ(t.dialogs.Last().icon, MessageIcon::Critical);
}

TEST(AtomicRewrite, FailingRenameKeepsTheOldFile) {
    // A real rename failure: the target name is a non-empty directory.
    TestEnv t;
    PosixFileSystem files(t.folder.path());
    t.folder.Write("data.dat", "old");
    std::filesystem::create_directory(t.folder.PathOf("dir.dat"));
    t.folder.Write("dir.dat/x", "x");
    Status s = files.ReplaceWhole("dir.dat", "temp.$$$", "new");
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.fileName().substr(s.fileName().size() - 7), "dir.dat");
    EXPECT_FALSE(t.folder.Exists("temp.$$$"));
    ASSERT_TRUE(files.ReplaceWhole("DATA.DAT", "temp.$$$", "new").ok());
    EXPECT_EQ(t.folder.Read("data.dat"), "new");
}

TEST(ReplaceRecord, RewritesOnlyTheFirstEqualRecordInPlace) {
    TestEnv t;
    const LedgerRecord twin = Line("03-10-99", "FO", Money(-5), "twin");
    t.PutLedger({Line("04-01-99", "HO", 1, "x"), twin, twin});
    t.state.OpenedRecord = twin;
    // A changed date stays where it was: replacement does not re-sort.
    EXPECT_EQ(ReplaceRecord(t.state, Line("01-01-99", "FO", Money(-9), "changed")), EntryOutcome::Written);
    EXPECT_EQ(Notes(t.Ledger()), (std::vector<std::string>{"x", "changed", "twin"}));
    EXPECT_EQ(t.Ledger()[1].Amount, -90000);
}

TEST(ReplaceRecord, NoEqualRecordWritesNothingSilently) {
    TestEnv t;
    t.PutLedger({Line("04-01-99", "HO", 1, "x")});
    const std::string before = t.folder.Read("1999TSM.DAT");
    t.state.OpenedRecord = Line("04-01-99", "HO", 2, "x");  // amount differs
    EXPECT_EQ(ReplaceRecord(t.state, Line("04-01-99", "HO", 3, "y")), EntryOutcome::NotFound);
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), before);
    EXPECT_TRUE(t.dialogs.messages.empty());
    t.state.OpenedRecord = Line("04-01-99", "HO", 1, "x");
    EXPECT_EQ(ReplaceRecord(t.state, Line("99-01-99", "HO", 3, "y")), EntryOutcome::Refused);
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), before);
}

}  // namespace
}  // namespace tessamo

namespace tessamo {
namespace {

TEST(InsertValidatedRecords, SameOrderAsOneInsertionAfterAnother) {
    TestEnv one, batch;
    const std::vector<LedgerRecord> start = {Line("03-10-99", "FO", 1, "c"), Line("02-01-99", "FO", 2, "b"),
                                             Line("01-01-99", "HO", 3, "a")};
    one.PutLedger(start);
    batch.PutLedger(start);
    const std::vector<LedgerRecord> entries = {Line("02-01-99", "FO", 4, "x"), Line("02-01-99", "FO", 5, "y"),
                                               Line("12-31-99", "fo", 6, "z"), Line("01-01-98", "AA", 7, "w")};
    for (const auto& e : entries) ASSERT_EQ(InsertRecord(one.state, e), EntryOutcome::Written);
    ASSERT_EQ(InsertValidatedRecords(batch.state, entries), EntryOutcome::Written);
    EXPECT_EQ(batch.folder.Read("1999TSM.DAT"), one.folder.Read("1999TSM.DAT"));
}

}  // namespace
}  // namespace tessamo
