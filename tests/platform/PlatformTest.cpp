// Platform stand-ins: code page, clock override, data folder, instance lock,
// start-up, status codes and the file-error message.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/DataFolder.h"
#include "platform/FileErrors.h"
#include "platform/InstanceLock.h"
#include "platform/PosixFileSystem.h"
#include "platform/StartUp.h"
#include "support/ExpectedFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace tessamo {
namespace {

TEST(CodePage, Windows1252RoundTrip) {
    const std::string stored = "Caf\xE9 \x80" "5 \x93quoted\x94";
    const std::string utf8 = Cp1252ToUtf8(stored);
    EXPECT_EQ(utf8, "Café €5 “quoted”");
    bool lossy = true;
    EXPECT_EQ(Utf8ToCp1252(utf8, &lossy), stored);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(Utf8ToCp1252("漢x", &lossy), "?x");
    EXPECT_TRUE(lossy);
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);  // undefined bytes survive too
}

// The conversion copies ASCII runs whole: a special byte is found wherever
// it stands in a run, before, inside or after a word of eight bytes.
TEST(CodePage, SpecialBytesAnywhereInLongRuns) {
    struct Case {
        const char* stored;
        const char* utf8;
        const char* visible;  // Tab kept, the rest of the controls escaped
    };
    const Case cases[] = {
        {"\xE9", "é", "é"}, {"\x80", "€", "€"}, {"\x81", "\xC2\x81", "\\x81"}, {"\x1B", "\x1B", "\\x1B"},
        {"\t", "\t", "\t"}, {"\x7F", "\x7F", "\\x7F"},
    };
    for (const Case& c : cases) {
        for (std::size_t before = 0; before < 20; before += 3) {
            const std::string head(before, 'a'), tail(20 - before, 'b');
            EXPECT_EQ(Cp1252ToUtf8(head + c.stored + tail), head + c.utf8 + tail) << before;
            std::string visible = "x";
            AppendCp1252AsVisibleUtf8(visible, head + c.stored + tail, "\t");
            EXPECT_EQ(visible, "x" + head + c.visible + tail) << before;
        }
    }
}

TEST(CodePage, HandWrittenTextFilesOfEitherEncoding) {
    EXPECT_EQ(TextFileToCp1252("Caf\xE9\r\n"), "Caf\xE9\r\n");        // Windows-1252 kept
    EXPECT_EQ(TextFileToCp1252("Café €5\n"), "Caf\xE9 \x80" "5\n");   // UTF-8 converted
    EXPECT_EQ(TextFileToCp1252("\xEF\xBB\xBFplain"), "plain");          // byte-order mark dropped
    EXPECT_EQ(TextFileToCp1252("plain ascii"), "plain ascii");
}

TEST(Clock, TodayOverrideIsValidated) {
    CalendarDate d;
    EXPECT_TRUE(ParseTodayOverride("03-15-1999", d));
    EXPECT_EQ(d.month, 3);
    EXPECT_EQ(d.day, 15);
    EXPECT_EQ(d.year, 1999);
    EXPECT_FALSE(ParseTodayOverride("1999-03-15", d));
    EXPECT_FALSE(ParseTodayOverride("13-01-1999", d));
    ::setenv("TESSAMO_TODAY", "12-24-2001", 1);
    EXPECT_EQ(SystemClock().Today().year, 2001);
    ::unsetenv("TESSAMO_TODAY");
}

TEST(DataFolder, HomeVariableThenPortableThenUserFolder) {
    TempFolder home, exe, xdg;
    std::string folder;
    ::setenv("TESSAMO_HOME", (home.path() + "/sub/").c_str(), 1);
    ASSERT_TRUE(ResolveDataFolder(exe.path(), folder).ok());
    EXPECT_EQ(folder, home.path() + "/sub");
    ::unsetenv("TESSAMO_HOME");
    ::setenv("XDG_DATA_HOME", xdg.path().c_str(), 1);
    ASSERT_TRUE(ResolveDataFolder(exe.path(), folder).ok());
    EXPECT_EQ(folder, xdg.path() + "/tessamo");
    exe.Write("personal.DAT", "");
    ASSERT_TRUE(ResolveDataFolder(exe.path(), folder).ok());
    EXPECT_EQ(folder, exe.path());
    ::unsetenv("XDG_DATA_HOME");
}

TEST(InstanceLock, SecondHolderIsRefusedUntilReleased) {
    TempFolder folder;
    InstanceLock first, second;
    bool held = false;
    Status s;
    ASSERT_TRUE(first.Acquire(folder.path(), held, s));
    EXPECT_FALSE(second.Acquire(folder.path(), held, s));
    EXPECT_TRUE(held);
    first.Release();
    EXPECT_TRUE(second.Acquire(folder.path(), held, s));
}

// Both programs start through EnterDataFolder: the folder is found, locked
// and made current, or the start is refused with one message.
TEST(StartUp, EntersLocksAndRefusesWithOneMessage) {
    TempFolder home;
    const std::filesystem::path before = std::filesystem::current_path();
    ::setenv("TESSAMO_HOME", home.path().c_str(), 1);
    InstanceLock first, second;
    const Result<std::string> entered = EnterDataFolder("", first);
    ASSERT_TRUE(entered.ok()) << entered.status().reason();
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(home.path()));
    EXPECT_EQ(EnterDataFolder("", second).status().reason(), FolderInUseMessage(home.path()));
    home.Write("plain", "x");
    ::setenv("TESSAMO_HOME", (home.path() + "/plain").c_str(), 1);
    const std::string message = EnterDataFolder("", second).status().reason();
    EXPECT_EQ(message.rfind("The data folder could not be used:\r\n" + home.path() + "/plain: ", 0), 0u) << message;
    ::unsetenv("TESSAMO_HOME");
    std::filesystem::current_path(before);
}

// The real file system tells a missing file apart from a refusal; both keep
// the "<file>: <reason>" text the messages show.
TEST(Status, FileSystemFailuresCarryTheirKind) {
    TempFolder folder;
    PosixFileSystem files(folder.path());
    const Status missing = files.Rename("absent.dat", "other.dat");
    EXPECT_TRUE(missing.IsNotFound());
    EXPECT_EQ(missing.ToString(), "absent.dat: No such file or directory");
    folder.Write("plain.dat", "x");
    std::string bytes;
    const Status notFolder = files.ReadAll("plain.dat/inner.dat", bytes);
    EXPECT_TRUE(notFolder.IsIOError()) << notFolder.ToString();
    EXPECT_FALSE(Status::Corruption("a", "b").ok());
    EXPECT_EQ(Status::InvalidArgument("a", "b").code(), Status::Code::kInvalidArgument);
    EXPECT_EQ(Status::InvalidArgument("", "unknown option --x").ToString(), "unknown option --x");
}

TEST(Result, HoldsTheValueOrTheFailure) {
    const Result<std::string> made = std::string("1999TSM.DAT");
    const Result<std::string> refused = Status::NotFound("x.dat", "No such file or directory");
    EXPECT_TRUE(made.ok());
    EXPECT_EQ(made.value(), "1999TSM.DAT");
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.status().IsNotFound());
}

// A failure already shown comes back AlreadyTold, so no caller shows it twice.
TEST(FileErrors, TellIfFailedShowsOnceAndSaysSo) {
    ScriptedDialogs dialogs;
    EXPECT_TRUE(TellIfFailed(dialogs, Status::Ok()).ok());
    EXPECT_TRUE(TellIfFailed(dialogs, Status::IOError("1999TSM.DAT", "Read-only file system")).IsAlreadyTold());
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST(FileErrors, OneCriticalBoxNamingTheFileAndTheReason) {
    ScriptedDialogs dialogs;
    EXPECT_TRUE(ReportIfFailed(dialogs, Status::Ok()));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(ReportIfFailed(dialogs, Status::IOError("1999TSM.DAT", "Read-only file system")));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const Message& shown = dialogs.Last();
    EXPECT_EQ(shown.text, ExpectedFile("platform/file_error.txt"));
    EXPECT_EQ(shown.title, "File Error");
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    EXPECT_EQ(shown.defaultButton, Answer::Ok);
}

}  // namespace
}  // namespace tessamo
