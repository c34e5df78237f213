#include <gtest/gtest.h>

#include "core/YearSelection.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

class YearSelectionTest : public ::testing::Test {
protected:
    void SetUp() override { env.PutCategories({CategoryRecord::Make("AU", "Auto"), CategoryRecord::Make("FO", "Food")}); }
    TestEnv env;  // active year 1999
};

TEST_F(YearSelectionTest, NewYearAskedYesCopiesThePreviousCategories) {
    env.dialogs.answers = {Answer::Yes};
    EXPECT_EQ(SelectYear(env.state, "2000"), YearOutcome::CategoriesCopied);
    EXPECT_EQ(env.state.CurYear, "2000");
    EXPECT_EQ(env.state.LedgerFileName, "2000TSM.DAT");
    EXPECT_EQ(env.state.CategoryFileName, "2000cats.dat");
    ASSERT_EQ(env.dialogs.messages.size(), 1u);
    const Message& question = env.dialogs.Last();
    EXPECT_EQ(question.text, "There is no category file for 2000\r\nCopy over 1999's categories ?");
    EXPECT_EQ(question.title, "No categories!");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(env.folder.Read("2000cats.dat"), env.folder.Read("1999CATS.DAT"));
    EXPECT_FALSE(env.folder.Exists("2000TSM.DAT"));
    EXPECT_FALSE(env.folder.Exists("tempkeys.$$$"));
    EXPECT_EQ(ActiveYearPanelText(env.state.CurYear), "  Active Year = 2000  ");
}

TEST_F(YearSelectionTest, NewYearAskedNoStartsWithoutCategoryFile) {
    env.dialogs.answers = {Answer::No};
    EXPECT_EQ(SelectYear(env.state, "2000"), YearOutcome::NoCategories);
    EXPECT_FALSE(env.folder.Exists("2000cats.dat"));
    EXPECT_EQ(env.dialogs.messages.size(), 1u);
}

TEST_F(YearSelectionTest, ReselectingTheActiveYearAsksNothingAndReachesTheUpperCaseFile) {
    EXPECT_EQ(SelectYear(env.state, "1999"), YearOutcome::Selected);
    EXPECT_TRUE(env.dialogs.messages.empty());
    EXPECT_EQ(env.state.CategoryFileName, "1999cats.dat");
    EXPECT_EQ(env.Categories().size(), 2u);
    EXPECT_FALSE(env.folder.Exists("1999cats.dat"));  // no second file beside 1999CATS.DAT
}

TEST_F(YearSelectionTest, EmptyActiveYearCannotCopyFromItself) {
    env.folder.Write("1999CATS.DAT", "");
    env.dialogs.answers = {Answer::Yes};
    EXPECT_EQ(SelectYear(env.state, "1999"), YearOutcome::NoCategories);
    ASSERT_EQ(env.dialogs.messages.size(), 2u);
    EXPECT_EQ(env.dialogs.messages[0].text, "There is no category file for 1999\r\nCopy over 1999's categories ?");
    EXPECT_EQ(env.dialogs.Last().text, "There are no categories of 1999 to copy.\r\n1999 starts without categories.");
    EXPECT_EQ(env.dialogs.Last().buttons, MessageButtons::Ok);
    EXPECT_FALSE(env.folder.Exists("1999CATS.DAT"));
    EXPECT_FALSE(env.folder.Exists("1999cats.dat"));
}

TEST_F(YearSelectionTest, MissingOrEmptyPreviousFileIsReportedNotCopied) {
    env.folder.Write("1999CATS.DAT", "0123456789");  // less than one record
    env.dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Yes};
    EXPECT_EQ(SelectYear(env.state, "2000"), YearOutcome::NoCategories);
    EXPECT_EQ(env.dialogs.Last().text, "There are no categories of 1999 to copy.\r\n2000 starts without categories.");
    EXPECT_FALSE(env.folder.Exists("2000cats.dat"));
    (void)SelectYear(env.state, "2001");  // 2000's file is now missing altogether
    EXPECT_EQ(env.dialogs.Last().text, "There are no categories of 2000 to copy.\r\n2001 starts without categories.");
    EXPECT_FALSE(env.folder.Exists("2001cats.dat"));
}

TEST_F(YearSelectionTest, FileFailuresAreReportedAndReturned) {
    // Creating the new year's file fails before the question; the copy after it.
    const std::pair<FaultyFileSystem::Op, std::vector<Answer>> cases[] = {
        {FaultyFileSystem::Op::Create, {}}, {FaultyFileSystem::Op::Replace, {Answer::Yes}}};
    for (const auto& [op, answers] : cases) {
        TestEnv t;
        t.PutCategories({CategoryRecord::Make("AU", "Auto")});
        t.files.Fail(op);
        t.dialogs.answers = {answers.begin(), answers.end()};
        EXPECT_EQ(SelectYear(t.state, "2000"), YearOutcome::Failed);
        EXPECT_EQ(t.dialogs.Last().title, "File Error");
        EXPECT_EQ(t.state.CurYear, "2000");
    }
}

TEST_F(YearSelectionTest, ActiveYearComesFromTheLedgerFileName) {
    env.state.CurYear = "1998";  // the label while the user spins
    EXPECT_EQ(ActiveYear(env.state), "1999");
}

}  // namespace
}  // namespace tessamo
