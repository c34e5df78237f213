// The search across years: one table of criteria over two years (words,
// phrases, case, accents, codes, amount edges, kinds, days, years, lines
// skipped for their date), exact totals at the ends of the amount range, and
// tessamo-cli find against expected files.
#include <gtest/gtest.h>

#include <limits>

#include "cli/CliFixture.h"
#include "core/FixedText.h"
#include "find/FindAllYears.h"
#include "find/FindText.h"
#include "support/ExpectedFile.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

void PutYear(const TempFolder& folder, const std::string& year, const std::vector<CategoryRecord>& categories,
             const std::vector<LedgerRecord>& ledger) {
    folder.Write(year + "CATS.DAT", EncodeRecords(categories));
    folder.Write(year + "TSM.DAT", EncodeRecords(ledger));
}

// 1999 lists a lower-case "fo" beside "FO"; 1998 does not. Two lines of 1999
// fail: a month 13 and the year digits of 1998. 12-31-99 stands out of order.
void PutTwoYears(const TempFolder& folder) {
    PutYear(folder, "1998", {CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("RN", "Rent")},
            {Line("06-15-98", "FO", -5000001, "feast"), Line("05-01-98", "PA", 4999999, "pay caf\xE9"),
             Line("05-01-98", "RN", Money(-500), "rent may"), Line("05-01-98", "FO", Money(-20), "Food rent")});
    PutYear(folder, "1999",
            {CategoryRecord::Make("FO", "Food"), CategoryRecord::Make("fo", "lower"), CategoryRecord::Make("RN", "Rent")},
            {Line("03-10-99", "FO", Money(-12.5), "Bread at Caf\xC9"), Line("03-10-99", "PA", Money(1000), "Pay March"),
             Line("02-01-99", "fo", 0, "open rent"), Line("13-01-99", "FO", Money(-5), "bad month"),
             Line("03-01-98", "FO", Money(-7), "wrong year"), Line("01-05-99", "RN", Money(-500), "RENT january"),
             Line("12-31-99", "RN", Money(500), "Rent december")});
}

std::vector<std::string> FoundNotes(const FileSystem& folder, const FindCriteria& criteria, FindTotals& totals) {
    std::vector<std::string> notes;
    totals = FindInYears(folder, criteria, "A", [&](FoundInYear& year) {
        for (const FoundLine& line : year.lines) notes.push_back(TrimRightBlanks(line.Record().Note()));
    });
    return notes;
}

FindCriteria Words(const std::string& typed) {
    FindCriteria c;
    ReadFindWords(typed, c);
    return c;
}

TEST(FindTest, CriteriaTable) {
    TestEnv t;
    PutTwoYears(t.folder);
    const auto with = [](auto change) {
        FindCriteria c;
        change(c);
        return c;
    };
    const struct {
        const char* name;
        FindCriteria criteria;
        std::vector<std::string> notes;
    } cases[] = {
        {"word, any case, newest first, one day in file order", Words("rent"),
         {"Rent december", "open rent", "RENT january", "rent may", "Food rent"}},
        {"two words", Words("RENT  Jan"), {"RENT january"}},
        {"phrase", Words("\"rent m\""), {"rent may"}},
        {"Latin-1 letters in either case", Words("CAF\xC3\xA9"), {"Bread at Caf\xC9", "pay caf\xE9"}},
        {"accents as typed", Words("cafe"), {}},
        {"a word no note can hold", Words("\xE2\x98\x83"), {}},
        {"code as typed where the year has it, else upper case", with([](FindCriteria& c) { c.codes = {"fo"}; }),
         {"open rent", "feast", "Food rent"}},
        {"amount edges", with([](FindCriteria& c) { c.minAmount = c.maxAmount = 5000000; }),
         {"Rent december", "RENT january", "rent may"}},
        {"just past the edges", with([](FindCriteria& c) {
             c.minAmount = 4999999;
             c.maxAmount = 5000001;
             c.kind = AmountKind::Income;
         }),
         {"Rent december", "pay caf\xE9"}},
        {"open items", with([](FindCriteria& c) { c.kind = AmountKind::Open; }), {"open rent"}},
        {"expense and a word", with([](FindCriteria& c) {
             c.kind = AmountKind::Expense;
             ReadFindWords("rent", c);
         }),
         {"RENT january", "rent may", "Food rent"}},
        {"days, edges included", with([](FindCriteria& c) {
             c.fromDate = 19990105;
             c.toDate = 19990310;
         }),
         {"Bread at Caf\xC9", "Pay March", "open rent", "RENT january"}},
        {"years", with([](FindCriteria& c) {
             EXPECT_TRUE(ReadYearRange("1998", c));
             ReadFindWords("rent", c);
         }),
         {"rent may", "Food rent"}},
    };
    for (const auto& c : cases) {
        FindTotals totals;
        EXPECT_EQ(FoundNotes(t.real, c.criteria, totals), c.notes) << c.name;
        EXPECT_EQ(totals.skipped, c.criteria.fromYear == 1998 ? 0u : 2u) << c.name;
    }
}

TEST(FindTest, TotalsAreExactAtTheEndsOfTheAmountRange) {
    TestEnv t;
    constexpr std::int64_t kHigh = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kLow = std::numeric_limits<std::int64_t>::min();
    PutYear(t.folder, "1999", {},
            {Line("01-01-99", "AA", kHigh), Line("01-01-99", "AA", kHigh), Line("01-01-99", "AA", kLow),
             Line("01-01-99", "AA", kLow)});
    FindCriteria all;
    FindTotals totals;
    EXPECT_EQ(FoundNotes(t.real, all, totals).size(), 4u);
    EXPECT_TRUE(totals.income == AmountSum(kHigh) * 2 && totals.expense == AmountSum(kLow) * 2 && totals.balance == -2);
    FindCriteria highest;
    highest.minAmount = highest.maxAmount = kHigh;  // the lowest amount is one more without its sign
    EXPECT_EQ(FoundNotes(t.real, highest, totals).size(), 2u);
    EXPECT_EQ(FindTotalsTexts(totals, MoneyFormat::Reference())[0], "2 lines found");
}

class FindCommandTest : public CliFolderTest {
protected:
    void SetUp() override {
        CliFolderTest::SetUp();
        if (IsSkipped()) return;
        PutTwoYears(t.folder);
    }
};

TEST_F(FindCommandTest, WritesRowsOrCsvAndTotals) {
    const CliRun rows = Run({"find", "rent", "--max", "$500"});
    EXPECT_EQ(rows.exitCode, 0) << rows.err;
    EXPECT_EQ(rows.out, ExpectedFile("find/rent.txt"));
    EXPECT_EQ(rows.err, "5 lines found\n  Income = $500.00  \n  Expense = ($1,020.00)  \n  Balance = ($520.00)  \n"
                        "2 lines skipped: their date is not a date of their year's file\n");
    const CliRun csv = Run({"find", "--csv", "--code", "RN", "--code=fo", "--years", "1998-1999"});
    EXPECT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out, ExpectedFile("find/codes.csv"));
    const CliRun none = Run({"find", "nothing like it"});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "");
}

TEST_F(FindCommandTest, RefusesBadArgumentsWithExitCode2) {
    const std::vector<std::vector<std::string>> bad = {
        {"find", "--from", "03-15-1999"}, {"find", "--to", "1999-02-30"}, {"find", "--min", "abc"},
        {"find", "--income", "--open"},   {"find", "--years", "99"},      {"find", "--code", "ABC"},
        {"find", "--max"}};
    for (const auto& args : bad) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 2) << args[1];
        EXPECT_EQ(run.out, "") << args[1];
    }
}

}  // namespace
}  // namespace tessamo
