// Dates, sort keys, the leading-number rule and amounts.
#include <gtest/gtest.h>

#include "core/Amounts.h"
#include "core/Dates.h"
#include "core/LeadingNumber.h"

namespace tessamo {
namespace {

TEST(LeadingNumber, ReadsFromTheStartAndSkipsBlanks) {
    EXPECT_EQ(LeadingNumber("07"), 7);
    EXPECT_EQ(LeadingNumber("1_"), 1);
    EXPECT_EQ(LeadingNumber("__"), 0);
    EXPECT_EQ(LeadingNumber("12 34"), 1234);
    EXPECT_EQ(LeadingNumber("1,234.50"), 1);
    EXPECT_EQ(LeadingNumber(" \t- 2.5x"), -2.5);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("1e3"), 1000);
    EXPECT_EQ(LeadingNumber("2E+2Z"), 200);
    EXPECT_EQ(LeadingNumber("5e"), 5);
    EXPECT_EQ(LeadingNumber("&HFF"), 255);
    EXPECT_EQ(LeadingNumber("&o17"), 15);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
}

TEST(CheckDate, MonthAndDayRangesByStyle) {
    EXPECT_EQ(CheckDate("12-31-99", "A"), 0);
    EXPECT_EQ(CheckDate("13-01-99", "A"), 1);
    EXPECT_EQ(CheckDate("00-10-99", "A"), 1);
    EXPECT_EQ(CheckDate("02-31-99", "A"), 0);  // days are not checked against the month
    EXPECT_EQ(CheckDate("31-12-99", "E"), 0);
    EXPECT_EQ(CheckDate("12-31-99", "E"), 1);
    EXPECT_EQ(CheckDate("13-05-99", "E"), 0);
    EXPECT_EQ(CheckDate("1--05-99", "A"), 0);  // "1-" reads as 1
    EXPECT_EQ(CheckDate("__-__-99", "A"), 1);
}

TEST(SortKey, JoinsYearMonthDayAndCharacterNumbers) {
    EXPECT_EQ(SortKey(LedgerRecord::Make("03-15-99", "AB", 0, ""), "A"), 9903156566.0);
    const double older = SortKey(LedgerRecord::Make("01-05-99", "FD", 0, ""), "A");
    EXPECT_EQ(older, 9901057068.0);
    EXPECT_GT(SortKey(LedgerRecord::Make("12-24-99", "AB", 0, ""), "A"), older);
    EXPECT_EQ(SortKey(LedgerRecord::Make("05-01-99", "FD", 0, ""), "E"), 9901057068.0);
    EXPECT_EQ(SortKey(LedgerRecord::Make("01-05-99", "F ", 0, ""), "A"), 9901057032.0);
    // Lower-case codes add three digits and outrank every upper-case key.
    EXPECT_EQ(SortKey(LedgerRecord::Make("01-01-99", "fd", 0, ""), "A"), 990101102100.0);
    EXPECT_GT(SortKey(LedgerRecord::Make("01-01-99", "fd", 0, ""), "A"),
              SortKey(LedgerRecord::Make("12-31-99", "ZZ", 0, ""), "A"));
}

TEST(SortKey, DatesWithOddCharactersReadLikeTheText) {
    // Reading stops at the first character that is no part of a number.
    EXPECT_EQ(SortKey(LedgerRecord::Make("1--05-99", "AB", 0, ""), "A"), 991.0);
    EXPECT_EQ(SortKey(LedgerRecord::Make("03-15-9 ", "AB", 0, ""), "A"), 9031565.0 * 100 + 66);
    EXPECT_EQ(SortKey(LedgerRecord::Make("03-15-.9", "AB", 0, ""), "A"), 0.903156566);
    EXPECT_EQ(SortKey(LedgerRecord{"03-15", "A", 0, ""}, "A"), SortKey(LedgerRecord::Make("03-15", "A", 0, ""), "A"));
    // Every character number, one to three digits, on both code places.
    for (int c = 0; c < 256; c += 7) {
        const std::string code = {static_cast<char>(c), static_cast<char>(255 - c)};
        const double expected = std::stod("990315" + std::to_string(c) + std::to_string(255 - c));
        EXPECT_EQ(SortKey(LedgerRecord::Make("03-15-99", code, 0, ""), "A"), expected) << c;
        EXPECT_EQ(SortKey(LedgerRecord::Make("15-03-99", code, 0, ""), "E"), expected) << c;
    }
}

TEST(TodayAndMonths, StylesAndNames) {
    FixedClock clock({3, 5, 1999});
    EXPECT_EQ(TodayText(clock), "03-05-1999");
    EXPECT_EQ(TodayInStyle(clock, "A"), "03-05");
    EXPECT_EQ(TodayInStyle(clock, "E"), "05-03");
    EXPECT_EQ(TodayYear(clock), "1999");
    EXPECT_EQ(StoredDate("03-07", "99"), "03-07-99");
    EXPECT_EQ(MonthName(1), "January");
    EXPECT_EQ(MonthName(12), "December");
    std::string kept = "as before";
    MonthName(13, kept);
    EXPECT_EQ(kept, "as before");
}

TEST(CleanAmount, TrimsInPlaceAndKeepsDigitsPointsAndCommas) {
    std::string typed = "  -$1,234.50  ";
    EXPECT_EQ(CleanAmount(typed), "1,234.50");
    EXPECT_EQ(typed, "-$1,234.50");
    typed = "abc";
    EXPECT_EQ(CleanAmount(typed), "");
    typed = "1.2.3";
    EXPECT_EQ(CleanAmount(typed), "1.2.3");
}

TEST(ReadTypedAmount, FollowsTheSystemsSeparators) {
    const MoneyFormat us = MoneyFormat::Reference();
    EXPECT_EQ(ReadTypedAmount("1,234.50", us), 12345000);
    EXPECT_EQ(ReadTypedAmount("12,50", us), 12500000);  // "," groups in the US
    EXPECT_EQ(ReadTypedAmount("12.5", us), 125000);
    EXPECT_EQ(ReadTypedAmount("0", us), 0);
    EXPECT_EQ(ReadTypedAmount(".5", us), 5000);
    EXPECT_EQ(ReadTypedAmount("0.00005", us), 0);      // half to even
    EXPECT_EQ(ReadTypedAmount("0.00015", us), 2);
    EXPECT_EQ(ReadTypedAmount("0.000051", us), 1);
    EXPECT_EQ(ReadTypedAmount("1.2.3", us), std::nullopt);
    EXPECT_EQ(ReadTypedAmount(".", us), std::nullopt);
    EXPECT_EQ(ReadTypedAmount(",", us), std::nullopt);
    EXPECT_EQ(ReadTypedAmount("", us), std::nullopt);
    EXPECT_EQ(ReadTypedAmount("99999999999999999999", us), std::nullopt);
    MoneyFormat comma = us;
    comma.decimalPoint = ",";
    comma.groupSeparator = ".";
    EXPECT_EQ(ReadTypedAmount("12,50", comma), 125000);
    EXPECT_EQ(ReadTypedAmount("1.234,5", comma), 12345000);
}

TEST(CurrencyText, ReferenceAndOtherForms) {
    const MoneyFormat us = MoneyFormat::Reference();
    EXPECT_EQ(CurrencyText(12345000, us), "$1,234.50");
    EXPECT_EQ(CurrencyText(-120000, us), "($12.00)");
    EXPECT_EQ(CurrencyText(0, us), "$0.00");
    EXPECT_EQ(CurrencyText(1234567890000, us), "$123,456,789.00");
    EXPECT_EQ(CurrencyText(1250, us), "$0.13");  // 0.125 rounds away from zero
    EXPECT_EQ(CurrencyText(INT64_MIN, us), "($922,337,203,685,477.58)");
    MoneyFormat de{"# €", "-# €", ",", "."};
    EXPECT_EQ(CurrencyText(-12345000, de), "-1.234,50 €");
    EXPECT_EQ(PlainNumberText(-125000, us), "-12.5");
    EXPECT_EQ(PlainNumberText(12340000, us), "1234");
    EXPECT_EQ(PlainNumberText(1, de), "0,0001");
    EXPECT_EQ(AmountFromDouble(1.00005), 10000);  // a decimal tie goes to even
    EXPECT_EQ(AmountFromDouble(1.00015), 10002);
    EXPECT_EQ(AmountFromDouble(-12.34567), -123457);
    EXPECT_EQ(AmountFromDouble(2.5), 25000);
    EXPECT_EQ(AmountFromDouble(0.00004), 0);
    EXPECT_EQ(AmountFromDouble(0.00006), 1);
    EXPECT_EQ(AmountFromDouble(1e-9), 0);
    EXPECT_EQ(AmountFromDouble(123456789012.3456), 1234567890123456);
    EXPECT_EQ(AmountFromDouble(1e300), std::nullopt);
}

}  // namespace
}  // namespace tessamo
