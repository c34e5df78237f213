// The report text against hand-worked examples: every line, every character.
#include <gtest/gtest.h>

#include "core/ReportCategoryList.h"
#include "reports/ReportText.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

const std::string kRule(70, '-');
const std::string kHeaderColumns = " Category              Sub Total             Graph";

std::string Bars(int n) { return std::string(static_cast<std::size_t>(n), '|'); }
std::string Note40(const std::string& note) { return note + std::string(40 - note.size(), ' '); }

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
    return text;
}

// The worked example: expense Rent 400 (50 %), Food 300 (37.5 %), Gifts 100
// (12.5 %); income Salary 600 (2/3), Gifts 300 (1/3); one open item; one line
// of an unlisted code.
std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Header, period and span lines for Pat Smith on 03-15-1999.
std::vector<std::string> Heading(const std::string& period, const std::string& span) {
    return {"Cashflow Record for Pat Smith                      Printed: 03-15-1999",
            kRule,
            "Searched the period:  " + period + ", inclusive.",
            "Records found span :  " + span + ", inclusive.",
            kRule,
            " "};
}
std::vector<std::string> Out() { return {" --- Summary of money that went OUT ---", " ", kHeaderColumns, " "}; }
std::vector<std::string> In() { return {" --- Summary of money that came IN ---", " ", kHeaderColumns, " "}; }

std::vector<CategoryRecord> ExampleCategories() {
    return ReportCategoryRecords({CategoryRecord::Make("FD", "Food"), CategoryRecord::Make("RN", "Rent"),
                                  CategoryRecord::Make("SA", "Salary"), CategoryRecord::Make("GI", "Gifts")});
}

std::vector<LedgerRecord> ExampleLedger() {
    return {Line("11-20-99", "SA", Money(400), "November pay"),  Line("10-02-99", "RN", Money(-200), "October rent"),
            Line("07-04-99", "FD", 0, "Picnic list"),            Line("06-10-99", "GI", Money(300), "Birthday check"),
            Line("05-01-99", "FD", Money(-300), "Groceries"),    Line("04-01-99", "RN", Money(-200), "April rent"),
            Line("03-15-99", "SA", Money(200), "March pay"),     Line("03-10-99", "GI", Money(-100), "Flowers"),
            Line("01-05-99", "XX", Money(-50), "Not on the list")};
}

ReportOptions ExampleOptions(const std::string& type = "S") {
    ReportOptions o;
    o.reportType = type;
    o.userName = "Pat Smith";
    o.today = {3, 15, 1999};
    o.ledgerFileName = "1999TSM.DAT";
    return o;
}

std::vector<std::string> ExampleSummaryLines() {
    return Heading("1/99 through 12/99", "3/99 through 11/99") + Out() + std::vector<std::string>{
        "Food                     $300.00  ( 37.5%)  " + Bars(20),  // 19.5 rounds to even
        "Rent                     $400.00  (   50%)  " + Bars(26),
        "Gifts                    $100.00  ( 12.5%)  " + Bars(6),   // 6.5 rounds to even
        " ",
        "Total Expense            $800.00",
        " ",
    } + In() + std::vector<std::string>{
        "Salary                   $600.00  (66.67%)  " + Bars(26),
        "Gifts                    $300.00  (33.33%)  " + Bars(13),  // 26 x 33.33 / 66.67 = 12.998
        " ",
        "Total Income             $900.00",
        " ",
        "A SURPLUS of             $100.00",
        " ",
        kRule,
        " ",
        " --- Open Items ---",
        " ",
        " Date         Cat   Note",
        " ",
        " 07-04-99   FD  " + Note40("Picnic list"),
    };
}

ReportText Build(const std::vector<CategoryRecord>& categories, const std::vector<LedgerRecord>& ledger,
                 const ReportOptions& options) {
    return BuildReport(categories, EncodeRecords(ledger), options);
}

std::vector<std::string> Ending() { return {" ", kRule, "  END"}; }

TEST(ReportText, SummaryOfTheWorkedExample) {
    const ReportText r = Build(ExampleCategories(), ExampleLedger(), ExampleOptions("S"));
    EXPECT_EQ(r.text, Joined(ExampleSummaryLines() + Ending()));
    EXPECT_EQ(r.status.income, "(3 Items) Income = $900.00 ");
    EXPECT_EQ(r.status.expense, "(4 Items) Expense = ($800.00) ");
    EXPECT_EQ(r.status.balance, "Balance = $100.00 ");
    // An empty or unknown type is a summary too.
    EXPECT_EQ(Build(ExampleCategories(), ExampleLedger(), ExampleOptions("")).text, r.text);
}

TEST(ReportText, FullReportAddsLineItemBlocksAfterTheOpenItems) {
    const std::vector<std::string> blocks = {
        " ",
        kRule,
        "                        Line items - money OUT",
        kRule,
        " ",
        " Category: Food            ",
        " ",
        " 05-01-99           $300.00\t" + Note40("Groceries"),
        " ",
        " Category: Rent            ",
        " ",
        " 10-02-99           $200.00\t" + Note40("October rent"),
        " 04-01-99           $200.00\t" + Note40("April rent"),
        " ",
        " Category: Gifts           ",
        " ",
        " 03-10-99           $100.00\t" + Note40("Flowers"),
        " ",
        kRule,
        "                        Line items - money IN",
        kRule,
        " ",
        " Category: Salary          ",
        " ",
        " 11-20-99           $400.00\t" + Note40("November pay"),
        " 03-15-99           $200.00\t" + Note40("March pay"),
        " ",
        " Category: Gifts           ",
        " ",
        " 06-10-99           $300.00\t" + Note40("Birthday check"),
    };
    const ReportText r = Build(ExampleCategories(), ExampleLedger(), ExampleOptions("F"));
    EXPECT_EQ(r.text, Joined(ExampleSummaryLines() + blocks + Ending()));
}

TEST(ReportText, NothingInRangeGivesEmptySectionsAndTheStartingSpan) {
    ReportOptions o = ExampleOptions("F");
    o.startMonth = 12;
    o.endMonth = 12;
    const ReportText r = Build(ExampleCategories(), ExampleLedger(), o);
    const std::vector<std::string> lines = Heading("12/99 through 12/99", "12/99 through 1/99") + Out() + std::vector<std::string>{
        " ",
        "Total Expense              $0.00",
        " ",
    } + In() + std::vector<std::string>{
        " ",
        "Total Income               $0.00",
        " ",
        " ",
        kRule,
        "                        Line items - money OUT",
        kRule,
        " ",
        kRule,
        "                        Line items - money IN",
        kRule,
    };
    EXPECT_EQ(r.text, Joined(lines + Ending()));
    EXPECT_EQ(r.status.income, "(0 Items) Income = $0.00 ");
    EXPECT_EQ(r.status.expense, "(0 Items) Expense = $0.00 ");
    EXPECT_FALSE(r.status.balance.has_value());
    // An empty category list reads the same way.
    EXPECT_EQ(Build({}, ExampleLedger(), o).text, r.text);
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

}  // namespace
}  // namespace tessamo
