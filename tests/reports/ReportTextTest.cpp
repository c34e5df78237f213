// The report text against hand-worked examples: every line, every character.
#include <gtest/gtest.h>

#include "core/ReportCategoryList.h"
#include "reports/ReportText.h"
#include "support/ExpectedFile.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

const std::string kRule(70, '-');

std::string Bars(int n) { return std::string(static_cast<std::size_t>(n), '|'); }

// The worked example: expense Rent 400 (50 %), Food 300 (37.5 %), Gifts 100
// (12.5 %); income Salary 600 (2/3), Gifts 300 (1/3); one open item; one line
// of an unlisted code. `dayFirst` writes the same dates day first.
std::vector<CategoryRecord> ExampleCategories() {
    return ReportCategoryRecords({CategoryRecord::Make("FD", "Food"), CategoryRecord::Make("RN", "Rent"),
                                  CategoryRecord::Make("SA", "Salary"), CategoryRecord::Make("GI", "Gifts")});
}

std::vector<LedgerRecord> ExampleLedger(bool dayFirst = false) {
    const auto date = [&](const char* monthFirst) {
        const std::string d = monthFirst;
        return dayFirst ? d.substr(3, 2) + "-" + d.substr(0, 2) + d.substr(5) : d;
    };
    return {Line(date("11-20-99"), "SA", Money(400), "November pay"),
            Line(date("10-02-99"), "RN", Money(-200), "October rent"),
            Line(date("07-04-99"), "FD", 0, "Picnic list"),
            Line(date("06-10-99"), "GI", Money(300), "Birthday check"),
            Line(date("05-01-99"), "FD", Money(-300), "Groceries"),
            Line(date("04-01-99"), "RN", Money(-200), "April rent"),
            Line(date("03-15-99"), "SA", Money(200), "March pay"),
            Line(date("03-10-99"), "GI", Money(-100), "Flowers"),
            Line(date("01-05-99"), "XX", Money(-50), "Not on the list")};
}

ReportOptions ExampleOptions(const std::string& type = "S", const std::string& style = "A", int from = 1,
                             int to = 12) {
    ReportOptions o;
    o.reportType = type;
    o.dateStyle = style;
    o.startMonth = from;
    o.endMonth = to;
    o.userName = "Pat Smith";
    o.today = {3, 15, 1999};
    o.ledgerFileName = "1999TSM.DAT";
    return o;
}

ReportText Build(const std::vector<CategoryRecord>& categories, const std::vector<LedgerRecord>& ledger,
                 const ReportOptions& options) {
    return BuildReport(categories, EncodeRecords(ledger), options);
}

struct ReportCase {
    const char* expectedFile;
    ReportOptions options;
    bool dayFirst;
    const char* income;
    const char* expense;
    std::optional<std::string> balance;
};

// Every line, every character, against the hand-built files, with the three
// status panel texts.
TEST(ReportText, WorkedExamplesMatchTheirExpectedFiles) {
    const ReportCase cases[] = {
        {"reports/summary_month_first.txt", ExampleOptions("S"), false, "(3 Items) Income = $900.00 ",
         "(4 Items) Expense = ($800.00) ", "Balance = $100.00 "},
        {"reports/full_day_first.txt", ExampleOptions("F", "E"), true, "(3 Items) Income = $900.00 ",
         "(4 Items) Expense = ($800.00) ", "Balance = $100.00 "},
        {"reports/nothing_in_range_full.txt", ExampleOptions("F", "A", 12, 12), false, "(0 Items) Income = $0.00 ",
         "(0 Items) Expense = $0.00 ", std::nullopt},
        {"reports/deficit_without_income.txt", ExampleOptions("S", "A", 5, 5), false, "(0 Items) Income = $0.00 ",
         "(1 Items) Expense = ($300.00) ", "Balance = ($300.00) "},
    };
    for (const ReportCase& c : cases) {
        SCOPED_TRACE(c.expectedFile);
        const ReportText r = Build(ExampleCategories(), ExampleLedger(c.dayFirst), c.options);
        EXPECT_EQ(r.text, ExpectedFile(c.expectedFile));
        EXPECT_EQ(r.status.income, c.income);
        EXPECT_EQ(r.status.expense, c.expense);
        EXPECT_EQ(r.status.balance, c.balance);
    }
}

TEST(ReportText, AnyTypeButFullIsASummaryAndAnEmptyListReadsAsNothingInRange) {
    const std::string summary = ExpectedFile("reports/summary_month_first.txt");
    EXPECT_EQ(Build(ExampleCategories(), ExampleLedger(), ExampleOptions("")).text, summary);
    EXPECT_EQ(Build(ExampleCategories(), ExampleLedger(), ExampleOptions("f")).text, summary);  // only "F" is full
    EXPECT_EQ(Build({}, ExampleLedger(), ExampleOptions("F", "A", 12, 12)).text,
              ExpectedFile("reports/nothing_in_range_full.txt"));
}

TEST(ReportText, EqualTotalsWriteNoBalanceAndADeficitShowsNegative) {
    const std::vector<CategoryRecord> cats = {CategoryRecord::Make("", ""), CategoryRecord::Make("AB", "Misc")};
    const ReportText equal = Build(
        cats, {Line("02-01-99", "AB", Money(75.5)), Line("01-01-99", "AB", Money(-75.5))}, ExampleOptions());
    EXPECT_EQ(equal.text.find("SURPLUS"), std::string::npos);
    EXPECT_EQ(equal.text.find("DEFICIT"), std::string::npos);
    EXPECT_NE(equal.text.find("Total Income              $75.50\r\n \r\n \r\n" + kRule), std::string::npos);
    EXPECT_FALSE(equal.status.balance.has_value());

    const ReportText deficit = Build(
        cats, {Line("02-01-99", "AB", Money(25)), Line("01-01-99", "AB", Money(-75))}, ExampleOptions());
    EXPECT_NE(deficit.text.find("\r\nA DEFICIT of            ($50.00)\r\n \r\n" + kRule + "\r\n  END"),
              std::string::npos);
    EXPECT_EQ(deficit.status.balance, "Balance = ($50.00) ");
    EXPECT_EQ(deficit.status.expense, "(1 Items) Expense = ($75.00) ");
}

TEST(ReportText, DayFirstStyleReadsTheMonthFromCharactersFourAndFive) {
    ReportOptions o = ExampleOptions();
    o.dateStyle = "E";
    o.startMonth = 4;
    o.endMonth = 4;
    const std::vector<CategoryRecord> cats = {CategoryRecord::Make("", ""), CategoryRecord::Make("AB", "Misc")};
    const ReportText r =
        Build(cats, {Line("15-04-99", "AB", Money(10), "april"), Line("04-05-99", "AB", Money(20), "may")}, o);
    const std::string text = r.text;
    EXPECT_EQ(text.substr(0, text.find("\r\n")),
              "Cashflow Record for Pat Smith                      Printed: 15-03-1999");
    EXPECT_NE(text.find("Records found span :  4/99 through 4/99, inclusive."), std::string::npos);
    EXPECT_EQ(r.status.income, "(1 Items) Income = $10.00 ");
}

TEST(ReportText, MonthsAreComparedAsNumbers) {
    const std::vector<CategoryRecord> cats = {CategoryRecord::Make("", ""), CategoryRecord::Make("AB", "Misc")};
    ReportOptions o = ExampleOptions();
    o.startMonth = 9;
    EXPECT_EQ(Build(cats, {Line("10-01-99", "AB", Money(1))}, o).status.income, "(1 Items) Income = $1.00 ");
    o.startMonth = 1;
    o.endMonth = 9;
    EXPECT_EQ(Build(cats, {Line("10-01-99", "AB", Money(1))}, o).status.income, "(0 Items) Income = $0.00 ");
}

TEST(ReportText, AnAmountWiderThanItsFieldIsShownWhole) {
    const std::vector<CategoryRecord> cats = {CategoryRecord::Make("", ""), CategoryRecord::Make("AB", "Misc")};
    const ReportText r =
        Build(cats, {Line("01-01-99", "AB", 1000000000000LL * 10000 + 1234500)}, ExampleOptions());
    EXPECT_NE(r.text.find("\r\nMisc            $1,000,000,000,123.45  (  100%)  " + Bars(26) + "\r\n"),
              std::string::npos);
    EXPECT_NE(r.text.find("\r\nTotal Income    $1,000,000,000,123.45\r\n"), std::string::npos);
}

TEST(ReportText, ACategoryListedTwiceIsReportedTwice) {
    const std::vector<CategoryRecord> cats = {CategoryRecord::Make("", ""), CategoryRecord::Make("AB", "Misc"),
                                              CategoryRecord::Make("AB", "Misc")};
    const ReportText r = Build(cats, {Line("01-01-99", "AB", Money(5))}, ExampleOptions());
    const std::string line = "\r\nMisc                      $10.00  (  100%)  " + Bars(26);
    const std::size_t first = r.text.find(line);
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(r.text.find(line, first + 1), std::string::npos);
    EXPECT_EQ(r.status.income, "(2 Items) Income = $10.00 ");
}

// A report far longer than one piece comes out of the sink, pieces joined
// by CR LF, exactly as it is built whole; the status texts are the same.
TEST(ReportText, PiecesFromTheSinkJoinToTheWholeText) {
    std::vector<LedgerRecord> ledger;
    for (int i = 0; i < 3000; ++i) {
        const std::vector<LedgerRecord> example = ExampleLedger();
        ledger.push_back(example[static_cast<std::size_t>(i) % example.size()]);
    }
    const ReportText whole = Build(ExampleCategories(), ledger, ExampleOptions("F"));
    std::vector<std::string> pieces;
    const ReportPieceSink sink = [&](std::string_view piece) { pieces.emplace_back(piece); };
    const ReportText streamed = BuildReport(ExampleCategories(), EncodeRecords(ledger), ExampleOptions("F"), &sink);
    ASSERT_GT(pieces.size(), 2u);
    std::string joined;
    for (const std::string& piece : pieces) joined += (joined.empty() ? "" : "\r\n") + piece;
    EXPECT_EQ(joined, whole.text);
    EXPECT_EQ(streamed.text, "");
    EXPECT_EQ(streamed.status.income, whole.status.income);
    EXPECT_EQ(streamed.status.balance, whole.status.balance);
}

}  // namespace
}  // namespace tessamo
