// TinyCalc's arithmetic and result text.
#include <gtest/gtest.h>

#include "calc/TinyCalcLogic.h"

namespace tessamo {
namespace {

std::string Compute(const std::string& top, const std::string& op, const std::string& bottom) {
    TinyCalcNumbers numbers;
    return TCCompute(numbers, top, bottom, op);
}

TEST(TinyCalc, WorkedExamples) {
    EXPECT_EQ(Compute("12", "+", "30"), " 42");
    EXPECT_EQ(Compute("10", "/", "4"), " 2.5");
    EXPECT_EQ(Compute("2", "-", "5"), "-3");
    EXPECT_EQ(Compute("1", "/", "3"), " .3333333");
    EXPECT_EQ(Compute("-1", "/", "3"), "-.3333333");
    EXPECT_EQ(Compute("1,000", "x", "3"), " 3");
    EXPECT_EQ(Compute("", "+", ""), " 0");
    EXPECT_EQ(Compute(".1", "+", ".2"), " .3");  // single precision, 7 digits
}

TEST(TinyCalc, ResultOnTopChains) {
    TinyCalcNumbers numbers;
    const std::string first = TCCompute(numbers, "12", "30", "+");
    EXPECT_EQ(TCCompute(numbers, first, "8", "+"), " 50");
}

TEST(TinyCalc, SevenSignificantDigitsThenExponent) {
    EXPECT_EQ(CalcNumberText(1234567.0f), " 1234567");
    EXPECT_EQ(CalcNumberText(12345678.0f), " 1.234568E+07");
    EXPECT_EQ(CalcNumberText(-0.0001f), "-.0001");
    EXPECT_EQ(CalcNumberText(0.00001f), " 1E-05");
    EXPECT_EQ(CalcNumberText(100.5f), " 100.5");
    EXPECT_EQ(CalcNumberText(9999999.5f), " 1E+07");
}

TEST(TinyCalc, DivisionByZeroAndOverflowKeepTheStoredResult) {
    TinyCalcNumbers numbers;
    TCCompute(numbers, "6", "2", "x");
    EXPECT_EQ(TCCompute(numbers, "1", "0", "/"), kDivisionByZeroText);
    EXPECT_EQ(TCCompute(numbers, "0", "0", "/"), kDivisionByZeroText);
    EXPECT_EQ(TCCompute(numbers, "3E38", "10", "x"), kOverflowText);
    EXPECT_EQ(TCCompute(numbers, "1E39", "1", "+"), kOverflowText);
    EXPECT_EQ(numbers.result, 12.0f);
    EXPECT_EQ(TCCompute(numbers, "1", "1", "?"), " 12");  // unknown operator: shown unchanged
}

}  // namespace
}  // namespace tessamo
