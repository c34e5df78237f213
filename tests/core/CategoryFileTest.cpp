// Category file operations and the ledger lines that follow a category.
#include <gtest/gtest.h>

#include "core/CategoryFile.h"
#include "core/FixedText.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

TEST(SortCategoryFile, OrdersByUpperCaseCodeStablyAndKeepsRecords) {
    TestEnv t;
    t.PutCategories({CategoryRecord::Make("HO", "House"), CategoryRecord::Make("FO", "Food"),
                     CategoryRecord::Make("fo", "Fodder"), CategoryRecord::Make("AU", "Auto"),
                     CategoryRecord::Make("FO", "Fuel")});
    t.folder.Write("tempkeys.$$$", std::string(18 * 3, 'Z'));  // leftover of an interrupted run
    ASSERT_TRUE(SortCategoryFile(t.state).ok());
    EXPECT_EQ(CodesOf(t.Categories()), (std::vector<std::string>{"AU", "FO", "fo", "FO", "HO"}));
    EXPECT_EQ(t.Categories()[3].Name, FixedWidth("Fuel", 16));
    EXPECT_FALSE(t.folder.Exists("tempkeys.$$$"));
}

TEST(SortCategoryFile, FailureLeavesTheFileAsItWas) {
    TestEnv t;
    t.PutCategories({CategoryRecord::Make("HO", "House"), CategoryRecord::Make("AU", "Auto")});
    const std::string before = t.folder.Read("1999CATS.DAT");
    t.files.Fail(FaultyFileSystem::Op::Replace);
    EXPECT_TRUE(SortCategoryFile(t.state).IsAlreadyTold());
    EXPECT_EQ(t.folder.Read("1999CATS.DAT"), before);
    EXPECT_NE(t.dialogs.Last().text.find("1999CATS.DAT"), std::string::npos);
}

TEST(CategoryExists, UpperCasesTheCallersCodeAndComparesExactly) {
    TestEnv t;
    t.PutCategories({CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("h", "Home")});
    std::string code = "fo";
    EXPECT_TRUE(CategoryExists(t.state, code));
    EXPECT_EQ(code, "FO");
    code = "h";  // the field holds "h " and the argument is upper-cased to "H"
    EXPECT_FALSE(CategoryExists(t.state, code));
    t.PutCategories({CategoryRecord::Make("fo", "Food")});
    code = "fo";
    EXPECT_FALSE(CategoryExists(t.state, code));
}

TEST(RecodeLedgerRecords, MovesExactMatchesOnly) {
    TestEnv t;
    t.PutLedger({Line("03-01-99", "FO", 1, "a"), Line("02-01-99", "fo", 2, "b"), Line("01-01-99", "FO", 3, "c")});
    ASSERT_TRUE(RecodeLedgerRecords(t.state, "FO", "GR"));
    EXPECT_EQ(CodesOf(t.Ledger()), (std::vector<std::string>{"GR", "fo", "GR"}));
    EXPECT_EQ(t.Ledger()[2].Amount, 3);
    ASSERT_TRUE(RecodeLedgerRecords(t.state, "all", "XX"));  // matches nothing, writes nothing
    EXPECT_EQ(CodesOf(t.Ledger()), (std::vector<std::string>{"GR", "fo", "GR"}));
}

class DeleteCategoryRecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<LedgerRecord> lines;
        for (int i = 0; i < 10; ++i) lines.push_back(Line("01-01-99", i % 3 == 1 ? "FO" : "HO", i, std::to_string(i)));
        t.PutLedger(lines);
    }
    TestEnv t;
};

TEST_F(DeleteCategoryRecordsTest, TwoYesAnswersRemoveTheLinesInOrder) {
    t.dialogs.answers = {Answer::Yes, Answer::Yes};
    t.folder.Write("tempfile.$$$", std::string(58 * 4, 'Q'));
    EXPECT_TRUE(DeleteCategoryRecords(t.state, "FO"));
    std::vector<std::string> notes;
    for (const auto& r : t.Ledger()) notes.push_back(TrimRightBlanks(r.Note));
    EXPECT_EQ(notes, (std::vector<std::string>{"0", "2", "3", "5", "6", "8", "9"}));
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Category deleted. Delete records too?");
    EXPECT_EQ(t.dialogs.messages[0].title, "Confirm");
    EXPECT_EQ(t.dialogs.messages[0].defaultButton, Answer::No);
    EXPECT_EQ(t.dialogs.messages[1].text, "ARE YOU SURE?");
    EXPECT_EQ(t.dialogs.messages[1].icon, MessageIcon::Critical);
}

TEST_F(DeleteCategoryRecordsTest, EitherNoKeepsEveryLine) {
    const std::string before = t.folder.Read("1999TSM.DAT");
    t.dialogs.answers = {Answer::No};
    EXPECT_FALSE(DeleteCategoryRecords(t.state, "FO"));
    t.dialogs.answers = {Answer::Yes, Answer::No};
    EXPECT_FALSE(DeleteCategoryRecords(t.state, "FO"));
    EXPECT_EQ(t.folder.Read("1999TSM.DAT"), before);
    EXPECT_EQ(t.dialogs.messages.size(), 3u);
}

TEST_F(DeleteCategoryRecordsTest, FailedRenameLeavesAllTenLines) {
    t.dialogs.answers = {Answer::Yes, Answer::Yes};
    t.files.Fail(FaultyFileSystem::Op::Replace, "Permission denied");
    EXPECT_FALSE(DeleteCategoryRecords(t.state, "FO"));
    EXPECT_EQ(t.Ledger().size(), 10u);
    EXPECT_NE(t.dialogs.Last().text.find("Permission denied"), std::string::npos);
}

}  // namespace
}  // namespace tessamo
