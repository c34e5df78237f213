#include <gtest/gtest.h>

#include "core/CategoryEditor.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

class CategoryEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        env.PutCategories({CategoryRecord::Make("AU", "Auto"), CategoryRecord::Make("FO", "Food"),
                           CategoryRecord::Make("HO", "House")});
        env.PutLedger({Line("03-14-99", "FO", Money(-12.5), "Bread"), Line("03-10-99", "AU", Money(-30), "Gas"),
                       Line("03-02-99", "FO", Money(-4), "Milk"), Line("02-01-99", "fo", Money(-1), "lower")});
    }
    std::vector<std::string> Codes() const { return CodesOf(env.Categories()); }
    std::vector<std::string> LedgerCodes() const { return CodesOf(env.Ledger()); }
    TestEnv env;
};

TEST_F(CategoryEditorTest, SaveStoresUpperCaseCodeSortedIntoPlace) {
    env.PutCategories({CategoryRecord::Make("AU", "Auto"), CategoryRecord::Make("HO", "House")});
    EXPECT_TRUE(SaveNewCategory(env.state, "fo", "  Food ").ok());
    EXPECT_EQ(env.folder.Read("1999CATS.DAT"), std::string("AUAuto            FOFood            HOHouse           "));
    EXPECT_TRUE(env.dialogs.messages.empty());
    EXPECT_FALSE(env.folder.Exists("tempkeys.$$$"));
}

TEST_F(CategoryEditorTest, SaveOverwritesAPartialTailInsteadOfKeepingIt) {
    env.folder.Write("1999CATS.DAT", EncodeRecords(env.Categories()) + "ZZZ");
    EXPECT_TRUE(SaveNewCategory(env.state, "gr", "Groceries").ok());
    EXPECT_EQ(env.folder.Read("1999CATS.DAT").size(), 4 * CategoryRecord::kSize);
    EXPECT_EQ(Codes(), (std::vector<std::string>{"AU", "FO", "GR", "HO"}));
}

TEST_F(CategoryEditorTest, EmptyCodeOrNameIsRefusedWithoutTouchingTheFile) {
    const std::string before = env.folder.Read("1999CATS.DAT");
    EXPECT_FALSE(SaveNewCategory(env.state, "  ", "Food").ok());
    EXPECT_FALSE(SaveNewCategory(env.state, "GR", "   ").ok());
    EXPECT_FALSE(ReplaceCategory(env.state, "", "Food").ok());
    EXPECT_FALSE(DeleteCategory(env.state, " ", "Food").ok());
    ASSERT_EQ(env.dialogs.messages.size(), 4u);
    EXPECT_EQ(env.dialogs.Texts(), (std::vector<std::string>{"No category code!", "No category name!",
                                                              "No category code!", "No category code!"}));
    EXPECT_EQ(env.dialogs.messages[1].title, "Entry Aborted");
    EXPECT_EQ(env.dialogs.messages[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(env.folder.Read("1999CATS.DAT"), before);
}

TEST_F(CategoryEditorTest, DuplicateCodeWarnsAndYesAddsASecondRecord) {
    env.state.CurrentCategory = "";
    env.dialogs.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(SaveNewCategory(env.state, "fo", "Fuel").ok());
    EXPECT_EQ(Codes(), (std::vector<std::string>{"AU", "FO", "HO"}));
    const Message& warning = env.dialogs.Last();
    EXPECT_EQ(warning.text,
              "Category FO already exists!\r\nIf you continue, records from this and\r\n"
              " will be mixed together, and you\r\nwill not be able to separate them!\r\nContinue?");
    EXPECT_EQ(warning.title, "Confirm");
    EXPECT_EQ(warning.buttons, MessageButtons::YesNo);
    EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
    EXPECT_EQ(warning.defaultButton, Answer::No);

    EXPECT_TRUE(SaveNewCategory(env.state, "fo", "Fuel").ok());
    auto categories = env.Categories();
    ASSERT_EQ(categories.size(), 4u);
    EXPECT_EQ(categories[1], CategoryRecord::Make("FO", "Food"));  // the older one stays first
    EXPECT_EQ(categories[2], CategoryRecord::Make("FO", "Fuel"));
}

TEST_F(CategoryEditorTest, ReplaceMovesTheLedgerLinesToTheNewCode) {
    env.state.CurrentCategory = "FO";
    EXPECT_TRUE(ReplaceCategory(env.state, "gr", "Groceries").ok());
    EXPECT_TRUE(env.dialogs.messages.empty());
    EXPECT_EQ(Codes(), (std::vector<std::string>{"AU", "GR", "HO"}));
    EXPECT_EQ(env.Categories()[1].Name, "Groceries       ");
    EXPECT_EQ(LedgerCodes(), (std::vector<std::string>{"GR", "AU", "GR", "fo"}));
    EXPECT_EQ(env.state.CurrentCategory, "GR");
    EXPECT_EQ(env.Ledger()[0].Note.substr(0, 5), "Bread");
}

TEST_F(CategoryEditorTest, ReplaceSortsTheRenamedCategoryIntoPlace) {
    env.state.CurrentCategory = "AU";
    EXPECT_TRUE(ReplaceCategory(env.state, "ZZ", "Misc").ok());
    EXPECT_EQ(Codes(), (std::vector<std::string>{"FO", "HO", "ZZ"}));
}

TEST_F(CategoryEditorTest, DescriptionOnlyChangeMeetsTheWarningAndKeepsTheLines) {
    env.state.CurrentCategory = "FO";
    env.dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(ReplaceCategory(env.state, "FO", "Food & drink").ok());
    ASSERT_EQ(env.dialogs.messages.size(), 1u);
    EXPECT_EQ(env.dialogs.Last().text.rfind("Category FO already exists!\r\n", 0), 0u);
    EXPECT_NE(env.dialogs.Last().text.find("\r\nFO will be mixed together"), std::string::npos);
    EXPECT_EQ(env.Categories()[1], CategoryRecord::Make("FO", "Food & drink"));
    EXPECT_EQ(LedgerCodes(), (std::vector<std::string>{"FO", "AU", "FO", "fo"}));
}

TEST_F(CategoryEditorTest, ReplaceAnsweredNoChangesNothing) {
    env.state.CurrentCategory = "FO";
    const std::string categories = env.folder.Read("1999CATS.DAT");
    const std::string ledger = env.folder.Read("1999TSM.DAT");
    EXPECT_FALSE(ReplaceCategory(env.state, "AU", "Auto").ok());
    EXPECT_EQ(env.folder.Read("1999CATS.DAT"), categories);
    EXPECT_EQ(env.folder.Read("1999TSM.DAT"), ledger);
    EXPECT_EQ(env.state.CurrentCategory, "FO");
}

TEST_F(CategoryEditorTest, DeleteKeepingTheRecords) {
    env.dialogs.answers = {Answer::Yes, Answer::No};
    EXPECT_TRUE(DeleteCategory(env.state, "FO", "Food            ").ok());
    EXPECT_EQ(env.dialogs.Texts(), (std::vector<std::string>{"Delete category Food ?",
                                                              "Category deleted. Delete records too?"}));
    EXPECT_EQ(env.dialogs.messages[0].defaultButton, Answer::No);
    EXPECT_EQ(Codes(), (std::vector<std::string>{"AU", "HO"}));
    EXPECT_EQ(LedgerCodes(), (std::vector<std::string>{"FO", "AU", "FO", "fo"}));
    EXPECT_FALSE(env.folder.Exists("tempkeys.$$$"));
}

TEST_F(CategoryEditorTest, DeleteRemovingTheRecords) {
    env.dialogs.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    EXPECT_TRUE(DeleteCategory(env.state, "FO", "Food").ok());
    EXPECT_EQ(Codes(), (std::vector<std::string>{"AU", "HO"}));
    EXPECT_EQ(LedgerCodes(), (std::vector<std::string>{"AU", "fo"}));
}

TEST_F(CategoryEditorTest, DeleteRemovesOnlyTheFirstExactMatch) {
    env.PutCategories({CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("FO", "Fuel"),
                       CategoryRecord::Make("fo", "lower")});
    env.dialogs.answers = {Answer::Yes, Answer::No};
    EXPECT_TRUE(DeleteCategory(env.state, "FO", "Food").ok());
    EXPECT_EQ(env.Categories(), (std::vector<CategoryRecord>{CategoryRecord::Make("FO", "Fuel"),
                                                             CategoryRecord::Make("fo", "lower")}));
}

TEST_F(CategoryEditorTest, DeleteAnsweredNoTouchesNothing) {
    const std::string before = env.folder.Read("1999CATS.DAT");
    EXPECT_FALSE(DeleteCategory(env.state, "FO", "Food").ok());
    EXPECT_EQ(env.folder.Read("1999CATS.DAT"), before);
    EXPECT_EQ(env.dialogs.messages.size(), 1u);
}

TEST_F(CategoryEditorTest, FailedCategoryRewriteIsReportedAndLeavesEverything) {
    const std::string categories = env.folder.Read("1999CATS.DAT");
    const std::string ledger = env.folder.Read("1999TSM.DAT");
    env.files.Fail(FaultyFileSystem::Op::Replace, "No space left on device");
    env.dialogs.answers = {Answer::Yes};  // the deletion question; the file error is only told
    EXPECT_FALSE(DeleteCategory(env.state, "FO", "Food").ok());
    EXPECT_EQ(env.dialogs.Last().title, "File Error");
    EXPECT_NE(env.dialogs.Last().text.find("No space left on device"), std::string::npos);
    EXPECT_EQ(env.dialogs.messages.size(), 2u);  // no question about the ledger lines
    EXPECT_EQ(env.folder.Read("1999CATS.DAT"), categories);
    EXPECT_EQ(env.folder.Read("1999TSM.DAT"), ledger);
}

TEST_F(CategoryEditorTest, UnreadableCategoryFileIsReportedOnceAndNothingWritten) {
    const std::string categories = env.folder.Read("1999CATS.DAT");
    const std::string ledger = env.folder.Read("1999TSM.DAT");
    env.state.CurrentCategory = "FO";
    env.files.Fail(FaultyFileSystem::Op::Read, "Input/output error");
    EXPECT_FALSE(SaveNewCategory(env.state, "GR", "Groceries").ok());
    EXPECT_FALSE(ReplaceCategory(env.state, "GR", "Groceries").ok());
    ASSERT_EQ(env.dialogs.messages.size(), 2u);
    for (const Message& m : env.dialogs.messages) EXPECT_EQ(m.title, "File Error");
    EXPECT_EQ(env.state.CurrentCategory, "FO");
    env.files.Heal();
    EXPECT_EQ(env.folder.Read("1999CATS.DAT"), categories);
    EXPECT_EQ(env.folder.Read("1999TSM.DAT"), ledger);
}

}  // namespace
}  // namespace tessamo
