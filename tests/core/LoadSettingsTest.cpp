#include <gtest/gtest.h>

#include "core/LoadSettings.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

TEST(LoadSettings, PasscodeAnswersReadByTheLeadingNumberRule) {
    EXPECT_EQ(ReadPasscodeAnswer("1234"), 1234);
    EXPECT_EQ(ReadPasscodeAnswer("  12 34 "), 1234);
    EXPECT_EQ(ReadPasscodeAnswer("1234abc"), 1234);
    EXPECT_EQ(ReadPasscodeAnswer("&h10"), 16);  // upper-cased first, so "&h" reads as hex
    EXPECT_EQ(ReadPasscodeAnswer("abc"), 0);
    EXPECT_EQ(NumberWithSignSpace(0), " 0");
    EXPECT_EQ(NumberWithSignSpace(1234), " 1234");
    EXPECT_EQ(NumberWithSignSpace(12.5), " 12.5");
    EXPECT_EQ(NumberWithSignSpace(-5), "-5");
}

TEST(LoadSettings, CopiesUserNameAndStyleAndKeepsOtherBytes) {
    TestEnv env;
    SettingsRecord stored = SettingsRecord::NewFile("01-01-1998");
    stored.SetUserName("Ann");
    stored.SetDateStyle("E");
    env.folder.Write("PERSONAL.DAT", stored.Bytes());
    ASSERT_TRUE(LoadSettings(env.state).ok());
    EXPECT_EQ(env.state.UserName, "Ann" + std::string(25, ' '));
    EXPECT_EQ(env.state.DateStyle, "E");
    stored.SetLastStartDate("03-15-1999");
    EXPECT_EQ(env.folder.Read("PERSONAL.DAT"), stored.Bytes());
}

// A style other than "A" and "E" is told once and worked as "A"; the file
// keeps what it holds.
TEST(LoadSettings, AnUnknownDateStyleIsToldOnceAndReadAsA) {
    TestEnv env;
    SettingsRecord stored = SettingsRecord::NewFile("03-15-1999");
    stored.SetDateStyle("X");
    env.folder.Write("PERSONAL.DAT", stored.Bytes());
    ASSERT_TRUE(LoadSettings(env.state).ok());
    EXPECT_EQ(env.state.DateStyle, "A");
    ASSERT_EQ(env.dialogs.messages.size(), 1u);
    EXPECT_NE(env.dialogs.Last().text.find("unknown date style"), std::string::npos);
    EXPECT_EQ(env.folder.Read("PERSONAL.DAT"), stored.Bytes());
}

TEST(LoadSettings, UnreadableSettingsEndTheStart) {
    TestEnv env;
    env.files.Fail(FaultyFileSystem::Op::Read);
    EXPECT_TRUE(LoadSettings(env.state).IsAlreadyTold());
    EXPECT_EQ(env.dialogs.Last().title, "File Error");
}

}  // namespace
}  // namespace tessamo
