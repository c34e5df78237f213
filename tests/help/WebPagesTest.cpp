// The web-page entries: question, browser lookup and start, the scratch file
// in the temporary folder, the page addresses.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "help/WebPages.h"
#include "platform/Browser.h"
#include "platform/ScratchFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace tessamo {
namespace {

struct FakeBrowser : Browser {
    std::string Find(const std::string& scratch) override {
        ++finds;
        scratchSeen = scratch;
        std::error_code error;
        scratchExisted = std::filesystem::exists(scratch, error);
        return command;
    }
    Status Start(const std::string& c, const std::string& address) override {
        started.push_back(c + " " + address);
        return startFails ? Status::IOError(c, "cannot start") : Status::Ok();
    }
    std::string command = "firefox";
    bool startFails = false;
    int finds = 0;
    std::string scratchSeen;
    bool scratchExisted = false;
    std::vector<std::string> started;
};

bool FolderEmpty(const TempFolder& folder) { return std::filesystem::is_empty(folder.path()); }

TEST(WebPages, AnswerDecidesAndEveryOutcomeIsToldAndLeavesNoScratchFile) {
    const struct {
        const char* name;
        Answer answer;
        const char* command;
        bool startFails;
        int starts;
        const char* message;  // after the question; empty for none
        const char* title;
    } cases[] = {
        {"No", Answer::No, "firefox", false, 0, "", ""},
        {"opened", Answer::Yes, "firefox", false, 1, "", ""},
        {"no browser", Answer::Yes, "", false, 0, "Could not find your Browser", "Browser Not Found"},
        {"start fails", Answer::Yes, "firefox", true, 1, "Web Page not Opened", "URL Failed"},
    };
    for (const auto& c : cases) {
        TempFolder temp;
        ScriptedDialogs dialogs;
        dialogs.answers = {c.answer};
        FakeBrowser browser;
        browser.command = c.command;
        browser.startFails = c.startFails;
        OpenWebPage(dialogs, browser, "file:///usr/share/tessamo/help/web-pages.html#maker", temp.path());

        ASSERT_GE(dialogs.messages.size(), 1u) << c.name;
        const Message& question = dialogs.messages.front();
        EXPECT_EQ(question.text, "Please make sure your internet connection is active!\r\nContinue?");
        EXPECT_EQ(question.title, "Run default web browser");
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_EQ(question.icon, MessageIcon::Exclamation);
        EXPECT_EQ(static_cast<int>(browser.started.size()), c.starts) << c.name;
        if (c.starts) {
            EXPECT_EQ(browser.started.front(), "firefox file:///usr/share/tessamo/help/web-pages.html#maker");
        }
        EXPECT_EQ(browser.finds, c.answer == Answer::Yes ? 1 : 0) << c.name;
        if (browser.finds) {
            EXPECT_TRUE(browser.scratchExisted) << c.name;
            EXPECT_TRUE(browser.scratchSeen.ends_with(".HTM")) << browser.scratchSeen;
            EXPECT_EQ(browser.scratchSeen.rfind(temp.path(), 0), 0u) << browser.scratchSeen;
        }
        EXPECT_TRUE(FolderEmpty(temp)) << c.name;
        if (*c.message) {
            ASSERT_EQ(dialogs.messages.size(), 2u) << c.name;
            EXPECT_EQ(dialogs.Last().text, c.message);
            EXPECT_EQ(dialogs.Last().title, c.title);
            EXPECT_EQ(dialogs.Last().icon, MessageIcon::Exclamation);
        } else {
            EXPECT_EQ(dialogs.messages.size(), 1u) << c.name;
        }
    }
}

TEST(WebPages, AddressesComeFromTheirVariablesElseTheInstalledHelp) {
    ::unsetenv(kMakerAddressVariable);
    ::setenv(kPartnerAddressVariable, "", 1);
    EXPECT_EQ(WebPageAddress(WebSite::Maker, "/usr/share/tessamo/help"),
              "file:///usr/share/tessamo/help/web-pages.html#maker");
    EXPECT_EQ(WebPageAddress(WebSite::Partner, "/h"), "file:///h/web-pages.html#partner");
    ::setenv(kMakerAddressVariable, "https://example.org/maker", 1);
    EXPECT_EQ(WebPageAddress(WebSite::Maker, "/h"), "https://example.org/maker");
    ::unsetenv(kMakerAddressVariable);
    ::unsetenv(kPartnerAddressVariable);

    TempFolder folder;
    std::filesystem::create_directories(folder.PathOf("bin"));
    EXPECT_EQ(InstalledHelpFolder(folder.PathOf("bin")), TESSAMO_HELP_INSTALL_DIR);
    std::filesystem::create_directories(folder.PathOf("share/tessamo/help"));
    folder.Write("share/tessamo/help/index.html", "<title>x</title>");
    EXPECT_EQ(InstalledHelpFolder(folder.PathOf("bin")), folder.PathOf("bin") + "/../share/tessamo/help");
}

TEST(Browser, VariableFirstThenXdgOpenElseNothing) {
    TempFolder bin;
    for (const char* program : {"xdg-open", "mybrowser"}) {
        bin.Write(program, "#!/bin/sh\n");
        ::chmod(bin.PathOf(program).c_str(), 0755);
    }
    bin.Write("notexecutable", "x");
    const std::string path = "/nonexistent:" + bin.path();
    const struct {
        const char* browser;
        std::string path;
        std::string found;
    } cases[] = {
        {"", path, "xdg-open"},
        {"mybrowser --new-window", path, "mybrowser --new-window"},
        {"missing:notexecutable:mybrowser %s", path, "mybrowser %s"},
        {"missing", path, "xdg-open"},
        {"", "/nonexistent", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FindBrowserProgram(c.browser, c.path), c.found) << c.browser;
    EXPECT_EQ(FindBrowserProgram(bin.PathOf("mybrowser"), ""), bin.PathOf("mybrowser"));
    EXPECT_EQ(BrowserArguments("xdg-open", "file:///a b"), (std::vector<std::string>{"xdg-open", "file:///a b"}));
    EXPECT_EQ(BrowserArguments("b --url=%s -x", "u"), (std::vector<std::string>{"b", "--url=u", "-x"}));
}

TEST(ScratchFile, FreshPrivateFileRemovedAfterwards) {
    TempFolder temp;
    std::string first;
    {
        const ScratchFile a(temp.path(), ".HTM", "\"<HTML> <\\HTML>\"\r\n");
        const ScratchFile b(temp.path() + "/", ".HTM", "");
        ASSERT_TRUE(a.status().ok());
        EXPECT_NE(a.path(), b.path());
        struct stat info {};
        ASSERT_EQ(::stat(a.path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        EXPECT_EQ(temp.Read(std::filesystem::path(a.path()).filename()), "\"<HTML> <\\HTML>\"\r\n");
        first = a.path();
    }
    EXPECT_FALSE(std::filesystem::exists(first));
    const ScratchFile nowhere(temp.PathOf("missing"), ".HTM", "x");
    EXPECT_FALSE(nowhere.status().ok());
    EXPECT_TRUE(nowhere.path().empty());
}

}  // namespace
}  // namespace tessamo
