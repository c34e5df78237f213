#include <gtest/gtest.h>

#include "core/WordSearch.h"
#include "support/ScriptedDialogs.h"

namespace tessamo {
namespace {

TEST(NoteHasWord, MatchesWordsBeginningWithTheSearchWord) {
    EXPECT_TRUE(NoteHasWord("Paid rent", "RENT"));
    EXPECT_TRUE(NoteHasWord("RENTAL car", "RENT"));
    EXPECT_TRUE(NoteHasWord("  rent  ", "RENT"));
    EXPECT_FALSE(NoteHasWord("parent", "RENT"));
    EXPECT_FALSE(NoteHasWord("ren t", "RENT"));
    EXPECT_FALSE(NoteHasWord("Paid rent", "PAID RENT"));  // a word never holds a blank
    EXPECT_FALSE(NoteHasWord("Paid rent", ""));
    EXPECT_TRUE(NoteHasWord("Caf\xE9 cr\xE8me", "CR\xC8"));  // accented letters fold too
}

class WordSearchTest : public ::testing::Test {
protected:
    std::vector<std::size_t> Run() {
        std::vector<std::size_t> rows;
        search.Run(dialogs, notes, [&](std::size_t row) { rows.push_back(row); });
        return rows;
    }
    std::vector<std::string> notes{"Note", "Groceries", "Paid rent", "Bus", "RENTAL car"};
    ScriptedDialogs dialogs;
    WordSearch search;
};

TEST_F(WordSearchTest, FindNextWalksTheMatchesAndEndsWithThatsAll) {
    dialogs.inputs = {" rent "};
    dialogs.answers = {Answer::Yes};
    EXPECT_EQ(Run(), (std::vector<std::size_t>{2, 4}));
    EXPECT_EQ(dialogs.prompts[0].prompt, "Find what?");
    EXPECT_EQ(dialogs.prompts[0].title, "Search for a word");
    EXPECT_EQ(dialogs.prompts[0].defaultText, "");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Find next?");
    EXPECT_EQ(dialogs.messages[0].title, "Searching...");
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(dialogs.messages[1].text, "That's all!");
    EXPECT_EQ(dialogs.messages[1].title, "Done searching");
    EXPECT_EQ(dialogs.messages[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(search.SearchWord(), "RENT");
}

TEST_F(WordSearchTest, NoStopsAtTheMatchAndTheWordIsOfferedNextTime) {
    dialogs.inputs = {"rent", std::nullopt};
    dialogs.answers = {Answer::No};
    EXPECT_EQ(Run(), (std::vector<std::size_t>{2}));
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Find next?"}));
    EXPECT_TRUE(Run().empty());  // cancelled: nothing searched
    EXPECT_EQ(dialogs.prompts[1].defaultText, "RENT");
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(WordSearchTest, HeaderTakesPartAndNoMatchEndsOnTheLastRow) {
    dialogs.inputs = {"note", "zebra"};
    dialogs.answers = {Answer::No};
    EXPECT_EQ(Run(), (std::vector<std::size_t>{0}));
    EXPECT_EQ(Run(), (std::vector<std::size_t>{4}));
    EXPECT_EQ(dialogs.Last().text, "That's all!");
}

TEST_F(WordSearchTest, EmptyWordDoesNotSearch) {
    dialogs.inputs = {"   "};
    EXPECT_TRUE(Run().empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace tessamo
