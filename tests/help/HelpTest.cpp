// Help set-up, page index and search, the shipped help pages, the About box
// and the version text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "help/AboutText.h"
#include "help/ContextIDs.h"
#include "help/HelpIndex.h"
#include "help/HelpTopics.h"
#include "help/ProgramUsage.h"
#include "platform/HelpEngine.h"
#include "support/ScriptedDialogs.h"

namespace tessamo {
namespace {

struct RecordingEngine : HelpEngine {
    Status ShowPage(const std::string& page) override {
        shown.push_back(page);
        return missing ? Status::NotFound(page, "no such help page") : Status::Ok();
    }
    void Quit() override { ++quits; }
    std::vector<std::string> shown;
    bool missing = false;
    int quits = 0;
};

TEST(ContextIDs, HelpFileHasOneSeparatorWhateverTheFolderEndsIn) {
    const struct {
        const char* folder;
        const char* file;
    } cases[] = {{":/help", ":/help/index.html"},
                 {"/usr/share/tessamo/help/", "/usr/share/tessamo/help/index.html"},
                 {"/opt/help//", "/opt/help/index.html"},
                 {"/", "/index.html"}};
    for (const auto& c : cases) {
        ContextIDs help;
        help.InitHelp(1, c.folder);
        EXPECT_EQ(help.HelpFile(), c.file) << c.folder;
    }
}

TEST(ContextIDs, ShowsPagesAfterSetUpAndClosesTheViewerAtQuit) {
    RecordingEngine engine;
    ScriptedDialogs dialogs;
    ContextIDs help;
    help.Connect(engine, dialogs);
    help.ShowContents();  // before InitHelp: nothing
    EXPECT_TRUE(engine.shown.empty());
    help.InitHelp(7, ":/help");
    help.ShowContents();
    help.ShowTopic("reports");
    EXPECT_EQ(engine.shown, (std::vector<std::string>{":/help/index.html", ":/help/reports.html"}));
    help.QuitHelp();
    EXPECT_EQ(engine.quits, 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(ContextIDs, MissingPageIsToldNotShownEmpty) {
    RecordingEngine engine;
    engine.missing = true;
    ScriptedDialogs dialogs;
    ContextIDs help;
    help.Connect(engine, dialogs);
    help.InitHelp(7, "/nowhere");
    help.ShowTopic("export");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.Last().text, "The help could not be opened:\n/nowhere/export.html: no such help page");
    EXPECT_EQ(dialogs.Last().icon, MessageIcon::Exclamation);
}

TEST(HelpIndex, ReadsTitleKeywordsAndTextOfAPage) {
    const HelpPage page = ParseHelpPage(
        "sample",
        "<html><head><title>Cash &amp; more</title>\n"
        "<meta name=\"keywords\" content=\"ledger, Open item , \"><style>p{}</style></head>\n"
        "<body><h1>Cash</h1><p>Income&nbsp;and\n  <b>expense</b> &lt;lines&gt;.</p></body></html>");
    EXPECT_EQ(page.title, "Cash & more");
    EXPECT_EQ(page.keywords, (std::vector<std::string>{"ledger", "Open item"}));
    EXPECT_EQ(page.text, "Cash Income and expense <lines>.");
    EXPECT_EQ(LinkedTopics("<a href=\"a.html\">x</a> <a href=\"b.html#part\">y</a> <a href=\"#top\">z</a>"
                           " <a href=\"https://example.org/\">w</a> <a href=\"c.txt\">v</a>"),
              (std::vector<std::string>{"a", "b", "c.txt"}));
}

TEST(HelpIndex, SearchWantsEveryWordAndRanksTitlesFirst) {
    HelpIndex index;
    index.Add(ParseHelpPage("a", "<title>Reports</title><p>reports of categories, reports again</p>"));
    index.Add(ParseHelpPage("b", "<title>Export</title><p>export the report of categories</p>"));
    index.Add(ParseHelpPage("c", "<title>Calculator</title><p>numbers</p>"));
    auto topics = [&](const std::string& query) {
        std::vector<std::string> found;
        for (const auto& hit : index.Search(query)) found.push_back(hit.topic);
        return found;
    };
    EXPECT_EQ(topics("report"), (std::vector<std::string>{"a", "b"}));  // word starts match
    EXPECT_EQ(topics("EXPORT categ"), (std::vector<std::string>{"b"}));
    EXPECT_EQ(topics("categories numbers"), std::vector<std::string>{});
    EXPECT_EQ(topics("  "), std::vector<std::string>{});
}

// The help pages as shipped.
class ShippedHelp : public ::testing::Test {
protected:
    static std::string Read(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    void SetUp() override {
        for (const auto& entry : std::filesystem::directory_iterator(TESSAMO_HELP_SOURCE_DIR)) {
            if (entry.path().extension() != ".html") continue;
            const std::string topic = entry.path().stem().string();
            html[topic] = Read(entry.path());
            index.Add(ParseHelpPage(topic, html[topic]));
        }
    }
    std::map<std::string, std::string> html;
    HelpIndex index;
};

TEST_F(ShippedHelp, EveryPageHasATitleKeywordsAndOnlyLinksThatResolve) {
    ASSERT_GE(index.Pages().size(), 20u);
    for (const HelpPage& page : index.Pages()) {
        EXPECT_FALSE(page.title.empty()) << page.topic;
        EXPECT_FALSE(page.keywords.empty()) << page.topic;
        for (const std::string& target : LinkedTopics(html[page.topic]))
            EXPECT_TRUE(html.count(target)) << page.topic << " links to " << target;
    }
}

TEST_F(ShippedHelp, ContentsListEveryPageAndEveryWindowHasOne) {
    const std::vector<std::string> listed = LinkedTopics(html["index"]);
    for (const HelpPage& page : index.Pages()) {
        if (page.topic == "index") continue;
        EXPECT_NE(std::find(listed.begin(), listed.end(), page.topic), listed.end()) << page.topic;
    }
    for (const WindowTopic& window : WindowTopics())
        EXPECT_TRUE(html.count(window.topic)) << window.objectName << " -> " << window.topic;
    EXPECT_EQ(TopicOfWindow("frmReports"), "reports");
    EXPECT_EQ(TopicOfWindow("SomethingElse"), "");
    for (const char* page : {"web-pages.html#maker", "web-pages.html#partner"})
        EXPECT_NE(html["web-pages"].find(std::string("name=\"") + (std::strchr(page, '#') + 1) + "\""),
                  std::string::npos);
}

TEST_F(ShippedHelp, SearchFindsThePageAUserWouldExpect) {
    const struct {
        const char* query;
        const char* topic;
    } cases[] = {{"passcode encryption", "passcode"}, {"macro", "macros"},   {"tessamo-cli", "command-line"},
                 {"comma-delimited", "export"},     {"surplus", "report-layout"}, {"TESSAMO_HOME", "data-folder"}};
    for (const auto& c : cases) {
        const auto hits = index.Search(c.query);
        ASSERT_FALSE(hits.empty()) << c.query;
        EXPECT_EQ(hits.front().topic, c.topic) << c.query;
    }
}

TEST(About, NamesProgramFolderLicenceAndQt) {
    const Message about = AboutMessage({"/home/pat/.local/share/tessamo", "6.4.2", "6.4.2"});
    EXPECT_EQ(about.title, "About Tessamo");
    for (const char* part : {"Tessamo 2.1\n", "Data folder: /home/pat/.local/share/tessamo",
                             "GNU General Public License", "Runs on Qt 6.4.2"})
        EXPECT_NE(about.text.find(part), std::string::npos) << part;
    EXPECT_EQ(about.text.find("built with"), std::string::npos);
    EXPECT_NE(AboutMessage({"/d", "6.5.0", "6.4.2"}).text.find("Qt 6.5.0 (built with Qt 6.4.2)"), std::string::npos);
    EXPECT_STREQ(kProgramVersion, TESSAMO_PROJECT_VERSION);
    EXPECT_EQ(std::string(kProgramTitle), std::string("Tessamo ") + kProgramVersion);
}

TEST(ProgramUsage, HelpAndVersionEndBeforeTheWindow) {
    EXPECT_EQ(ProgramRequestOf({}), ProgramRequest::Run);
    EXPECT_EQ(ProgramRequestOf({"-platform", "offscreen", "--help"}), ProgramRequest::Help);
    EXPECT_EQ(ProgramRequestOf({"-h"}), ProgramRequest::Help);
    EXPECT_EQ(ProgramRequestOf({"--version"}), ProgramRequest::Version);
    EXPECT_EQ(ProgramRequestOf({"--quit-after-show"}), ProgramRequest::Run);
}

}  // namespace
}  // namespace tessamo
