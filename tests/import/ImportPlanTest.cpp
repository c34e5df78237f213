// Reading amounts and dates, the rules, duplicates, other years and bad
// lines: what a plan says of each line and what entering it writes.
#include "import/ImportFixture.h"

#include "import/StatementAmount.h"
#include "core/FixedText.h"
#include "import/ImportSession.h"
#include "import/StatementDate.h"

namespace tessamo {
namespace {

TEST(StatementAmount, ReadsBankTextsExactly) {
    const std::tuple<const char*, char, std::optional<std::int64_t>> cases[] = {
        {"-42.17", '.', -421700},        {"1,234.56", '.', 12345600},  {"1.234,56", ',', 12345600},
        {"42.17-", '.', -421700},        {"($1,234.50)", '.', -12345000}, {"+3", '.', 30000},
        {"-3,50 \xE2\x82\xAC", ',', -35000}, {"EUR 0,0001", ',', 1},     {"12.50000", '.', 125000},
        {"1 234 567.8", '.', 12345678000}, {"0.00001", '.', std::nullopt}, {"1.2.3", '.', std::nullopt},
        {"--5", '.', std::nullopt},      {"(5", '.', std::nullopt},    {"", '.', std::nullopt},
        {"99999999999999999999", '.', std::nullopt}};
    for (const auto& [text, mark, expected] : cases) {
        const Result<std::int64_t> read = ReadStatementAmount(text, mark);
        EXPECT_EQ(read.ok() ? std::optional(read.value()) : std::nullopt, expected) << text;
        EXPECT_EQ(read.status().reason().empty(), expected.has_value()) << text << ": " << read.status().reason();
    }
}

TEST(StatementDate, ReadsEachOrderAndGuessesIt) {
    const std::tuple<const char*, DateOrder, int, int, int> good[] = {
        {"02.03.2026", DateOrder::DayMonthYear, 3, 2, 2026}, {"03/02/2026", DateOrder::MonthDayYear, 3, 2, 2026},
        {"2026-03-02", DateOrder::YearMonthDay, 3, 2, 2026}, {"2/3/26 10:15", DateOrder::DayMonthYear, 3, 2, 2026},
        {"29.02.2024", DateOrder::DayMonthYear, 2, 29, 2024}, {"01.01.99", DateOrder::DayMonthYear, 1, 1, 1999}};
    for (const auto& [text, order, month, day, year] : good) {
        const Result<CalendarDate> date = ReadStatementDate(text, order);
        ASSERT_TRUE(date.ok()) << text << ": " << date.status().reason();
        EXPECT_EQ(std::tuple(date.value().month, date.value().day, date.value().year), std::tuple(month, day, year))
            << text;
    }
    for (const char* bad : {"29.02.2025", "13/13/2026", "2026-03", "02.03-2026", "02.03.202", "x"})
        EXPECT_FALSE(ReadStatementDate(bad, DateOrder::DayMonthYear).ok()) << bad;
    EXPECT_EQ(GuessDateOrder({"03/02/2026", "03/15/2026"}), DateOrder::MonthDayYear);
    EXPECT_EQ(GuessDateOrder({"15/02/2026", "03/02/2026"}), DateOrder::DayMonthYear);
    EXPECT_EQ(GuessDateOrder({"03.02.2026"}), DateOrder::DayMonthYear);
    EXPECT_EQ(GuessDateOrder({"2026-03-02"}), DateOrder::YearMonthDay);
}

TEST(ImportRules, FirstMatchWinsWithSignsPatternsAndComments) {
    const ImportRules parsed = ParseImportRules(
        "# comment\r\n\r\nGR - market\nsa + pay\nFE - *service*fee\nRE  rent\nXX pay\n  # indented comment\n");
    ASSERT_TRUE(parsed.errors.empty());
    const std::tuple<const char*, const char*, std::int64_t, const char*> cases[] = {
        {"GREENLEAF MARKET", "", -1, "GR"}, {"Market refund", "", 1, ""},     {"Northwind", "PAYROLL", 1, "SA"},
        {"Payback", "", -1, "XX"},          {"Monthly Service Fee", "", -1, "FE"}, {"Service", "late fee", -1, "FE"},
        {"Rent", "", 5, "RE"},              {"Kiosk", "", -1, ""}};
    for (const auto& [payee, memo, amount, code] : cases) {
        const ImportRule* rule = parsed.Match(payee, memo, amount);
        EXPECT_EQ(rule ? TrimBlanks(rule->code) : "", code) << payee << " " << memo;
    }
    EXPECT_EQ(RuleLineFor("GR", " Corner *shop ", -1), "GR - Corner ?shop\n");
}

TEST_F(ImportTest, ASecondImportOfTheSameFileEntersNothing) {
    for (const char* file : {"comma_point.csv", "bank_102.ofx"}) {
        Enter(Plan(Read(file)));
        const std::string once = t.folder.Read("2026TSM.DAT");
        const ImportPlan again = Plan(Read(file));
        EXPECT_EQ(again.Count(LineState::Duplicate), again.lines.size()) << file;
        EXPECT_EQ(Enter(again).entered, 0u) << file;
        EXPECT_EQ(t.folder.Read("2026TSM.DAT"), once) << file;
    }
}

// Each ledger line answers for one statement line; an OFX line whose id was
// imported before is a duplicate even when the ledger no longer holds it.
TEST_F(ImportTest, DuplicatesByContentCountAndByTransactionId) {
    Statement twice;
    twice.lines = {Txn(2, {3, 20, 2026}, -125000, "Existing line"), Txn(3, {3, 20, 2026}, -125000, "Existing line")};
    const ImportPlan content = Plan(twice);
    EXPECT_EQ(content.lines[0].state, LineState::Duplicate);
    EXPECT_EQ(content.lines[0].reason, "the ledger holds this line");
    EXPECT_EQ(content.lines[1].state, LineState::New);

    const std::string before = t.folder.Read("2026TSM.DAT");
    Enter(Plan(Read("bank_102.ofx")));
    t.folder.Write("2026TSM.DAT", before);
    const ImportPlan byId = Plan(Read("bank_102.ofx"));
    for (const PlannedLine& line : byId.lines) {
        EXPECT_EQ(line.state, LineState::Duplicate);
        EXPECT_EQ(line.reason, "imported before (FITID " + line.source.fitid + ")");
        EXPECT_FALSE(line.checked);
    }
}

TEST_F(ImportTest, OtherYearLinesGoToTheirOwnYearWhenAgreed) {
    const Statement card = Read("card_151.qfx");
    const ImportPlan asked = Plan(card);
    EXPECT_EQ(asked.lines[0].state, LineState::OtherYear);
    EXPECT_EQ(asked.lines[0].reason, "year 2025 is new: its categories would be copied");
    EXPECT_FALSE(asked.lines[0].checked);

    t.dialogs.answers = {Answer::Yes};  // copy 2026's categories
    const ImportCounts counts = Enter(Plan(card, {"MI", true}));
    EXPECT_EQ(counts.entered, 4u);
    EXPECT_EQ(t.dialogs.messages.at(0).title, "No categories!");
    EXPECT_EQ(t.folder.Read("2025TSM.DAT"), LedgerBytes("12-30-25|MI|-649000|SKYLINE BOOKS\n"));
    EXPECT_EQ(t.folder.Read("2025cats.dat"), t.folder.Read("2026CATS.DAT"));
    EXPECT_EQ(Plan(card, {"MI", true}).Count(LineState::Duplicate), 4u);
}

TEST_F(ImportTest, BadLinesKeepTheirLineNumberAndAreNeverEntered) {
    const ImportPlan plan = Plan(Read("bad_lines.csv"));
    std::vector<std::pair<int, std::string>> bad;
    for (const PlannedLine& line : plan.lines)
        if (line.state == LineState::Bad) bad.emplace_back(line.source.lineNumber, line.reason);
    EXPECT_EQ(bad, (std::vector<std::pair<int, std::string>>{
                       {3, "\"31.02.2026\" is no day of the calendar (order dmy)"},
                       {5, "unreadable amount: 1,2,3 (two decimal marks \",\")"}}));
    const ImportCounts counts = Enter(plan);
    EXPECT_EQ(std::tuple(counts.entered, counts.skipped, counts.refused), std::tuple(3u, 0u, 2u));
}

TEST_F(ImportTest, UnmatchedLinesWaitForACodeTheYearHas) {
    Statement lines;
    lines.lines = {Txn(2, {3, 1, 2026}, -10000, "Kiosk"), Txn(3, {3, 2, 2026}, -10000, "Kiosk")};
    const ImportPlan none = Plan(lines, {"", false});
    EXPECT_FALSE(none.lines[0].checked);
    EXPECT_EQ(none.lines[0].reason, "no rule matches: choose a code");
    const ImportPlan unknown = Plan(lines, {"ZZ", false});
    EXPECT_FALSE(unknown.lines[0].checked);
    EXPECT_EQ(unknown.lines[0].reason, "no category \"ZZ\" in 2026CATS.DAT");
    EXPECT_TRUE(unknown.lines[0].awaitsCategory);
    ASSERT_EQ(unknown.MissingCategories().size(), 1u);
    EXPECT_EQ(unknown.MissingCategories()[0].years, std::vector<std::string>{"2026"});
    EXPECT_EQ(Enter(unknown).skipped, 2u);
}

TEST_F(ImportTest, ANewCategoryIsAddedToEachYearThatLacksItOnImport) {
    const Statement card = Read("card_151.qfx");
    ImportChoices choices{"ZZ", true, {CategoryRecord::Make("ZZ", "Sundries")}};
    const ImportPlan plan = Plan(card, choices);
    EXPECT_EQ(plan.AwaitingCount(), 0u);
    EXPECT_TRUE(plan.lines[0].createsCategory);
    t.dialogs.answers = {Answer::Yes};  // copy 2026's categories into the new year 2025
    EXPECT_EQ(Enter(plan).entered, 4u);
    std::vector<CategoryRecord> categories;
    ASSERT_TRUE(ReadRecords(t.files, "2026CATS.DAT", categories).ok());
    EXPECT_EQ(categories.back(), CategoryRecord::Make("ZZ", "Sundries"));
    // 2025 copied it with the rest and is not asked to mix two "ZZ".
    EXPECT_EQ(t.folder.Read("2025cats.dat"), t.folder.Read("2026CATS.DAT"));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].title, "No categories!");
}

// Each text saved in turn as the rules file: a text with a line that is no
// rule is refused unwritten, naming the line; a good one is written and
// files the café line of the statement at once.
TEST_F(ImportTest, SavedRulesAreCheckedLineByLineAndPlannedAtOnce) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"# first match wins\nMI caf\nGR caf\n", "", "MI"},
        {"ABC caf\n", "import-rules.txt: line 1: \"ABC\" is not a code of one or two characters", "MI"},
        {"# note\n\nGR - ok\nGR\n", "import-rules.txt: line 4: the rule has no text to match", "MI"},
        {"gr - Corner Caf\xC3\xA9\r\n", "", "GR"},
        {"GR + caf\n", "", ""},
        {"", "", ""}};
    ImportSession session(t.state);
    ASSERT_TRUE(session.Open(DataPath("comma_point.csv")).ok());
    std::string saved = t.folder.Read("import-rules.txt");
    for (const auto& [text, error, code] : cases) {
        const Status s = session.SaveRules(text);
        EXPECT_EQ(s.ok() ? "" : s.ToString(), error) << text;
        if (s.ok()) saved = text;
        EXPECT_EQ(t.folder.Read("import-rules.txt"), saved) << text;
        EXPECT_EQ(session.RulesText(), saved) << text;
        EXPECT_EQ(TrimBlanks(session.Plan().lines[3].record.Code), code) << text;
    }
}

}  // namespace
}  // namespace tessamo
