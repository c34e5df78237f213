// Note completion, the suggested category and the helpers' settings.
#include <gtest/gtest.h>

#include "core/RecordFile.h"
#include "quickentry/CategorySuggestion.h"
#include "quickentry/EntryHelperSettings.h"
#include "quickentry/NoteCompletion.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

std::string Notes(const std::vector<const NoteHistory*>& found) {
    std::string text;
    for (const NoteHistory* h : found) text += (text.empty() ? "" : "|") + h->note;
    return text;
}

// This year (1999, newest first as the file keeps it) and the previous one.
NoteCompletion History() {
    const std::vector<LedgerRecord> thisYear = {
        Line("03-10-99", "GR", -1200, "Groceries"),  Line("03-02-99", "FO", -500, "Gas station"),
        Line("02-01-99", "GR", -900, "groceries"),   Line("01-15-99", "FO", -700, "Groceries"),
        Line("01-10-99", "GA", -300, "Gas station"), Line("01-05-99", "RE", -80000, "Rent"),
    };
    const std::vector<LedgerRecord> lastYear = {
        Line("12-20-98", "GA", -400, "Gas station"), Line("11-01-98", "GA", -600, "Gas station"),
        Line("06-01-98", "GI", 5000, "Gift"),
    };
    return NoteCompletion({{1999, EncodeRecords(thisYear)}, {1998, EncodeRecords(lastYear)}}, "A");
}

TEST(NoteCompletion, RanksByUseThenRecencyAndKnowsTheUsualLine) {
    const NoteCompletion h = History();
    const std::pair<const char*, const char*> cases[] = {
        {"g", "Gas station|Groceries|groceries|Gift"},  // 4 uses, 2 (latest 03-10), 1 (02-01), 1 (1998)
        {"GR", "Groceries|groceries"},
        {"gas station", ""},  // nothing longer than what was typed
        {"", ""},
        {"x", ""},
    };
    for (const auto& [typed, expected] : cases) EXPECT_EQ(Notes(h.Matches(typed, 10)), expected) << typed;
    EXPECT_EQ(Notes(h.Matches("g", 2)), "Gas station|Groceries");

    const NoteHistory* gas = h.Find("Gas station   ");
    ASSERT_NE(gas, nullptr);
    EXPECT_EQ(gas->count, 4);
    EXPECT_EQ(gas->latestCode, "FO");  // the most recent line
    EXPECT_EQ(gas->latestAmount, -500);
    EXPECT_EQ(gas->usualCode, "GA");   // the most used category
    EXPECT_EQ(h.Find("GROCERIES"), nullptr);
}

TEST(CategorySuggestion, ComesFromHistoryThenFromTheRules) {
    const NoteCompletion h = History();
    const ImportRules rules = ParseImportRules("EL electric*\nGR - market\nZZ gift\n");
    const std::vector<CategoryRecord> categories = {CategoryRecord::Make("GA", "Car"), CategoryRecord::Make("GR", "Food"),
                                                    CategoryRecord::Make("EL", "Power")};
    const std::pair<const char*, const char*> cases[] = {
        {"Gas station", "GA"},            // history
        {"Electric co. March", "EL"},     // a rule
        {"Farmers market", "GR"},         // a rule for money out
        {"Gift", ""},                     // history says GI, the rule ZZ: neither is a category this year
        {"  ", ""},
    };
    for (const auto& [note, code] : cases) {
        const std::optional<CategorySuggestion> s = SuggestCategory(h, rules, categories, note);
        EXPECT_EQ(s ? s->code : "", code) << note;
    }
}

TEST(EntryHelperSettings, ReadsEachSwitchAndWritesThemBack) {
    const EntryHelperSettings s = ParseEntryHelperSettings(
        "# c\nnote-completion = off\nduplicate-line=off\namount-arithmetic = maybe\nunknown = off\n");
    EXPECT_FALSE(s.noteCompletion);
    EXPECT_FALSE(s.duplicateLine);
    EXPECT_TRUE(s.amountArithmetic && s.suggestedCategory && s.dueEntriesAtStart);
    const EntryHelperSettings again = ParseEntryHelperSettings(EntryHelperSettingsText(s));
    EXPECT_EQ(EntryHelperSettingsText(again), EntryHelperSettingsText(s));
}

}  // namespace
}  // namespace tessamo
