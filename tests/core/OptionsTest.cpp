#include <gtest/gtest.h>

#include "core/DateConversion.h"
#include "core/FirstStart.h"
#include "core/Options.h"
#include "core/Settings.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsRecord settings = SettingsRecord::NewFile("03-15-1999");
        std::string bytes = settings.Bytes();
        bytes[40] = '\x7f';  // a reserved byte that must travel through
        bytes[600] = '\x01';
        original = bytes;
        env.folder.Write("PERSONAL.DAT", bytes);
    }
    // PERSONAL.DAT differs from the original only at [offset, offset + width).
    void ExpectOnlyChanged(std::size_t offset, std::size_t width) const {
        const std::string now = env.folder.Read("PERSONAL.DAT");
        ASSERT_EQ(now.size(), original.size());
        EXPECT_EQ(now.substr(0, offset), original.substr(0, offset));
        EXPECT_EQ(now.substr(offset + width), original.substr(offset + width));
    }
    std::string Stored() const { return env.folder.Read("PERSONAL.DAT"); }

    TestEnv env;
    std::string original;
};

TEST_F(OptionsTest, DateFormatSwitchesBothWaysAndStoresOnlyTheStyle) {
    env.dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(ChangeDateFormat(env.state));
    EXPECT_EQ(env.dialogs.messages[0].text, "Current date format is MM-DD-YY\r\nChange to DD-MM-YY ?");
    EXPECT_EQ(env.dialogs.messages[0].title, "Change Date Format");
    EXPECT_EQ(env.dialogs.messages[0].defaultButton, Answer::No);
    EXPECT_EQ(env.dialogs.Last().text, "Date format set to DD-MM-YY (E)");
    EXPECT_EQ(env.dialogs.Last().title, kProgramTitle);
    EXPECT_EQ(env.state.DateStyle, "E");
    EXPECT_EQ(Stored()[95], 'E');
    ExpectOnlyChanged(95, 1);

    env.dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(ChangeDateFormat(env.state));
    EXPECT_EQ(env.dialogs.messages[2].text, "Current date format is DD-MM-YY\r\nChange to MM-DD-YY ?");
    EXPECT_EQ(env.dialogs.Last().text, "Date format set to MM-DD-YY (A)");
    EXPECT_EQ(Stored(), original);
}

TEST_F(OptionsTest, DateFormatAnsweredNoOrUnknownStyleStoresNothing) {
    EXPECT_FALSE(ChangeDateFormat(env.state));
    env.state.DateStyle = "X";
    EXPECT_FALSE(ChangeDateFormat(env.state));
    EXPECT_EQ(env.dialogs.messages.size(), 1u);
    EXPECT_EQ(Stored(), original);
}

TEST_F(OptionsTest, DateFormatWriteFailureKeepsTheStyle) {
    env.files.Fail(FaultyFileSystem::Op::Write);
    env.dialogs.answers = {Answer::Yes};
    EXPECT_FALSE(ChangeDateFormat(env.state));
    EXPECT_EQ(env.state.DateStyle, "A");
    EXPECT_EQ(env.dialogs.Last().title, "File Error");
}

TEST_F(OptionsTest, UserNameIsPaddedOrCutTo28) {
    env.dialogs.inputs = {"Jo", std::string(30, 'x'), "", std::nullopt};
    EXPECT_TRUE(ChangeUserName(env.state));
    EXPECT_EQ(env.dialogs.prompts[0].prompt, "Enter name to show on reports");
    EXPECT_EQ(env.dialogs.prompts[0].title, "Your Name?");
    EXPECT_EQ(env.dialogs.prompts[0].defaultText, "Your Name (click Options)   ");
    EXPECT_EQ(Stored().substr(0, 28), "Jo" + std::string(26, ' '));
    EXPECT_EQ(env.state.UserName, "Jo" + std::string(26, ' '));
    ExpectOnlyChanged(0, 28);

    EXPECT_TRUE(ChangeUserName(env.state));
    EXPECT_EQ(env.dialogs.prompts[1].defaultText, "Jo" + std::string(26, ' '));
    EXPECT_EQ(Stored().substr(0, 28), std::string(28, 'x'));
    ExpectOnlyChanged(0, 28);

    const std::string before = Stored();
    EXPECT_FALSE(ChangeUserName(env.state));  // empty answer
    EXPECT_FALSE(ChangeUserName(env.state));  // cancelled
    EXPECT_EQ(Stored(), before);
}

TEST_F(OptionsTest, UserNameIsStoredInTheFilesCodePage) {
    env.dialogs.inputs = {"Zoë"};
    EXPECT_TRUE(ChangeUserName(env.state));
    EXPECT_EQ(Stored().substr(0, 4), "Zo\xEB ");
}

TEST_F(OptionsTest, PassCodeEntries) {
    auto passCode = [&] { return SettingsRecord::FromBytes(Stored()).PassCode(); };
    env.dialogs.inputs = {"12a4"};
    EXPECT_FALSE(ChangePassCode(env.state));
    EXPECT_EQ(env.dialogs.prompts[0].prompt,
              "Enter passcode - 4 characters, numbers ONLY\r\nThe passcode only keeps this program from opening on "
              "this account; it does not protect the data files, which other programs read without it.");
    EXPECT_TRUE(env.dialogs.prompts[0].secret);
    EXPECT_EQ(env.dialogs.prompts[0].title, "Passcode entry");
    EXPECT_EQ(env.dialogs.prompts[0].defaultText, "");
    EXPECT_EQ(env.dialogs.Last().text, "Bad Code! Try again...");
    EXPECT_EQ(env.dialogs.Last().title, kProgramTitle);
    EXPECT_EQ(Stored(), original);

    env.dialogs.inputs = {"123456"};
    EXPECT_TRUE(ChangePassCode(env.state));
    EXPECT_EQ(passCode(), 1234);
    EXPECT_EQ(env.dialogs.Last().text, "Your passcode is set to: 1234\r\nDont't forget!");
    ExpectOnlyChanged(31, 2);

    env.dialogs.inputs = {"0042"};
    EXPECT_TRUE(ChangePassCode(env.state));
    EXPECT_EQ(passCode(), 42);
    EXPECT_EQ(env.dialogs.Last().text, "Your passcode is set to: 42\r\nDont't forget!");

    env.dialogs.inputs = {"0000"};
    EXPECT_TRUE(ChangePassCode(env.state));
    EXPECT_EQ(passCode(), 0);
    EXPECT_EQ(env.dialogs.Last().text, "The start-up passcode is turned off: no passcode will be asked at start.");
    EXPECT_EQ(Stored(), original);
}

TEST_F(OptionsTest, PassCodeBlankOrCancelled) {
    env.dialogs.inputs = {"1234", "", std::nullopt, "    "};
    EXPECT_TRUE(ChangePassCode(env.state));
    const std::size_t shown = env.dialogs.messages.size();
    EXPECT_FALSE(ChangePassCode(env.state));
    EXPECT_FALSE(ChangePassCode(env.state));
    EXPECT_EQ(env.dialogs.messages.size(), shown);
    EXPECT_EQ(SettingsRecord::FromBytes(Stored()).PassCode(), 1234);
    EXPECT_TRUE(ChangePassCode(env.state));  // only blanks: no passcode
    EXPECT_EQ(SettingsRecord::FromBytes(Stored()).PassCode(), 0);
}

// The first-start welcome stores through the Options routines and the
// category editor's Save; nothing chosen stores nothing.
TEST_F(OptionsTest, WelcomeStoresNameStyleAndStarterCategories) {
    env.PutCategories({});
    ASSERT_TRUE(ApplyWelcome(env.state, WelcomeChoice{"", "A", {}}));
    EXPECT_EQ(Stored(), original);
    EXPECT_TRUE(env.Categories().empty());

    const WelcomeChoice choice{"Pat Smith", "E", {StarterCategories()[2], StarterCategories()[0]}};
    ASSERT_TRUE(ApplyWelcome(env.state, choice));
    EXPECT_EQ(Stored().substr(95, 1), "E");
    EXPECT_EQ(env.state.UserName, "Pat Smith" + std::string(19, ' '));
    EXPECT_EQ(env.Categories(), (std::vector<CategoryRecord>{StarterCategories()[0], StarterCategories()[2]}));
    EXPECT_TRUE(env.dialogs.messages.empty());
}

// A folder brought over with its categories is not offered their codes again.
TEST_F(OptionsTest, WelcomeOffersOnlyStarterCodesTheYearLacks) {
    env.PutCategories({StarterCategories()[1], CategoryRecord::Make("ZZ", "Other")});
    std::vector<CategoryRecord> expected = StarterCategories();
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(StarterCategoriesToOffer(env.state), expected);
}

TEST_F(OptionsTest, NotesFileIsNamedAfterTheActiveYear) { EXPECT_EQ(NotesFileName(env.state), "1999_tsm.nts"); }

TEST(DateConversion, SwapsMonthAndDayAndTwiceRestoresTheFile) {
    TestEnv env;
    env.PutLedger({Line("03-07-99", "FO", Money(-12.5), "Bread"), Line("12-01-99", "AU", Money(30), "Refund"),
                   Line("  -  -99", "HO", 0, "blank date")});
    const std::string original = env.folder.Read("1999TSM.DAT");
    env.dialogs.answers = {Answer::Yes, Answer::Yes};
    ASSERT_TRUE(ConvertLedgerDates(env.state).ok());
    const Message& question = env.dialogs.Last();
    EXPECT_EQ(question.text, "Swap place of month and day in this year's data?");
    EXPECT_EQ(question.title, "Convert date format of existing records");
    EXPECT_EQ(question.defaultButton, Answer::No);
    auto records = env.Ledger();
    EXPECT_EQ(records[0].Date, "07-03-99");
    EXPECT_EQ(records[1].Date, "01-12-99");
    EXPECT_EQ(records[1].Note.substr(0, 6), "Refund");
    std::string expected = original;
    expected.replace(0, 8, "07-03-99");
    expected.replace(58, 8, "01-12-99");
    EXPECT_EQ(env.folder.Read("1999TSM.DAT"), expected);
    ASSERT_TRUE(ConvertLedgerDates(env.state).ok());
    EXPECT_EQ(env.folder.Read("1999TSM.DAT"), original);
    EXPECT_FALSE(env.folder.Exists("temp.$$$"));
}

TEST(DateConversion, NoOrFailureLeavesTheLedger) {
    TestEnv env;
    env.PutLedger({Line("03-07-99", "FO", Money(-12.5), "Bread")});
    const std::string original = env.folder.Read("1999TSM.DAT");
    EXPECT_TRUE(ConvertLedgerDates(env.state).IsDeclined());
    env.files.Fail(FaultyFileSystem::Op::Replace, "Disk quota exceeded");
    env.dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(ConvertLedgerDates(env.state).IsAlreadyTold());
    EXPECT_EQ(env.dialogs.Last().title, "File Error");
    EXPECT_EQ(env.folder.Read("1999TSM.DAT"), original);
}

}  // namespace
}  // namespace tessamo
