// The programs' --help and --version, and the manual pages made from them:
// every command, option and variable the programs list is in the page.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/CliRunner.h"
#include "support/TempFolder.h"

namespace tessamo {
namespace {

// The page's text with groff's font changes and escaped hyphens undone.
std::string ManText(const std::string& name) {
    std::ifstream in(std::string(TESSAMO_MAN_DIR) + "/" + name + ".1");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string text = std::regex_replace(bytes.str(), std::regex(R"(\\f[BIRP])"), "");
    return std::regex_replace(text, std::regex(R"(\\-)"), "-");
}

// The first words of the indented lines under `heading` in a --help text,
// up to the next line that is not indented.
std::vector<std::string> ListedUnder(const std::string& help, const std::string& heading) {
    std::vector<std::string> words;
    std::istringstream in(help.substr(help.find(heading + "\n") + heading.size() + 1));
    for (std::string line; std::getline(in, line) && line.rfind("  ", 0) == 0;) {
        std::istringstream first(line);
        std::string word;
        if (line.size() > 2 && line[2] != ' ' && first >> word) words.push_back(word);
    }
    return words;
}

TEST(ManPages, WindowProgramAnswersHelpAndVersionWithoutADisplay) {
    TempFolder folder;
    const std::map<std::string, std::string> noDisplay = {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":4242"}};
    const CliRun version = RunProgram(TESSAMO_GUI_PATH, folder.path(), {"--version"}, "03-15-1999", noDisplay);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "tessamo 2.1\n");
    const CliRun help = RunProgram(TESSAMO_GUI_PATH, folder.path(), {"--help"}, "03-15-1999", noDisplay);
    ASSERT_EQ(help.exitCode, 0) << help.err;
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));  // no data folder touched

    const std::string page = ManText("tessamo");
    for (const char* heading : {"Options:", "Qt options (taken by the window toolkit):", "Environment:", "Files:"}) {
        const auto listed = ListedUnder(help.out, heading);
        EXPECT_FALSE(listed.empty()) << heading;
        for (const std::string& word : listed) EXPECT_NE(page.find(word), std::string::npos) << word;
    }
    EXPECT_NE(page.find(".TH TESSAMO \"1\""), std::string::npos);
}

TEST(ManPages, CommandLinePageHoldsEveryCommandOfItsHelp) {
    TempFolder folder;
    EXPECT_EQ(RunCli(folder.path(), {"--version"}).out, "tessamo-cli 2.1\n");
    const CliRun help = RunCli(folder.path(), {"--help"});
    ASSERT_EQ(help.exitCode, 0);
    const std::string page = ManText("tessamo-cli");
    const auto commands = ListedUnder(help.out, "Commands:");
    EXPECT_EQ(commands, (std::vector<std::string>{"list", "add", "report", "export", "play", "sort", "backup", "backup",
                                                  "backups", "restore", "years", "import", "category", "history", "history",
                                                  "undo", "redo", "budget", "budget", "budget", "budget", "schedule", "schedule",
                                                  "schedule", "due", "due", "find"}));
    // help2man keeps each command's usage line whole: "  play MACRO [--date DATE]  (asks first...)".
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);) {
        const bool usageLine = std::any_of(commands.begin(), commands.end(), [&](const std::string& command) {
            return line.rfind("  " + command + " ", 0) == 0 || line == "  " + command;
        });
        if (!usageLine) continue;
        const std::string usage = line.substr(2, line.find("  (", 2) - 2);
        EXPECT_NE(page.find(usage), std::string::npos) << usage;
    }
    for (const char* option : {"--year", "--yes", "--help", "--version", "TESSAMO_PASSCODE", "Exit codes"})
        EXPECT_NE(page.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace tessamo
