// Rounding of shares and bars (ties to even) and the fixed-width fields.
#include <gtest/gtest.h>

#include "reports/ReportFields.h"

namespace tessamo {
namespace {

TEST(ReportFields, SharesRoundToFourDecimalsTiesToEven) {
    EXPECT_EQ(RoundedShare(1, 3), 3333);
    EXPECT_EQ(RoundedShare(2, 3), 6667);
    EXPECT_EQ(RoundedShare(1, 20000), 0);  // 0.00005 -> 0.0000
    EXPECT_EQ(RoundedShare(3, 20000), 2);  // 0.00015 -> 0.0002
    EXPECT_EQ(RoundedShare(7, 7), 10000);
}

TEST(ReportFields, BarsRoundTiesToEvenAndTheLargestGetsTwentySix) {
    EXPECT_EQ(BarLength(1250, 5000), 6);   // 6.5
    EXPECT_EQ(BarLength(3750, 5000), 20);  // 19.5
    EXPECT_EQ(BarLength(3333, 6667), 13);  // 12.998
    EXPECT_EQ(BarLength(5000, 5000), 26);
    EXPECT_EQ(BarLength(0, 0), 0);
}

TEST(ReportFields, PercentageAndAmountFields) {
    const MoneyFormat money = MoneyFormat::Reference();
    EXPECT_EQ(PercentageField(3333, money), "33.33");
    EXPECT_EQ(PercentageField(750, money), "  7.5");
    EXPECT_EQ(PercentageField(10000, money), "  100");
    EXPECT_EQ(PercentageField(50, money), "  0.5");
    EXPECT_EQ(AmountField(-1200000, money), "       ($120.00)");
    EXPECT_EQ(AmountField(9999999999999LL, money), "$1,000,000,000.00");  // 17 characters, no padding
    MoneyFormat euro;
    euro.positivePattern = "# \xE2\x82\xAC";  // UTF-8 euro sign, one character in the report
    EXPECT_EQ(AmountField(10000, euro), "          1.00 \x80");
}

}  // namespace
}  // namespace tessamo
