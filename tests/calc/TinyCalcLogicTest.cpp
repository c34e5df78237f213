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
    EXPECT_EQ(Compute("1", "/", "3"), " .333333333333333");
    EXPECT_EQ(Compute("-1", "/", "3"), "-.333333333333333");
    EXPECT_EQ(Compute("2", "/", "3"), " .666666666666667");
    EXPECT_EQ(Compute("1,000", "x", "3"), " 3");
    EXPECT_EQ(Compute("", "+", ""), " 0");
    EXPECT_EQ(Compute(".1", "+", ".2"), " .3");
    EXPECT_EQ(Compute("123456.78", "-", "0.01"), " 123456.77");  // cents kept
    EXPECT_EQ(Compute("99999999999", "x", "9"), " 899999999991");
    EXPECT_EQ(Compute("&HFF", "+", "1.5e2"), " 405");
}

TEST(TinyCalc, ResultOnTopChains) {
    TinyCalcNumbers numbers;
    const std::string first = TCCompute(numbers, "12", "30", "+");
    EXPECT_EQ(TCCompute(numbers, first, "8", "+"), " 50");
}

TEST(TinyCalc, FifteenSignificantDigitsThenExponent) {
    const struct { const char* top; const char* op; const char* bottom; const char* shown; } cases[] = {
        {"123456789012345", "+", "0", " 123456789012345"},
        {"1234567890123456", "+", "0", " 1.23456789012346E+15"},
        {"999999999999999.5", "+", "0", " 1E+15"},
        {"-0.0001", "+", "0", "-.0001"},
        {"0.00001", "+", "0", " 1E-05"},
        {"1e-30", "x", "1e-30", " 1E-60"},
        {"100.5", "+", "0", " 100.5"},
        {"3E38", "+", "0", " 3E+38"},
    };
    for (const auto& c : cases) EXPECT_EQ(Compute(c.top, c.op, c.bottom), c.shown) << c.top << c.op << c.bottom;
}

TEST(TinyCalc, DivisionByZeroAndOverflowKeepTheStoredResult) {
    TinyCalcNumbers numbers;
    TCCompute(numbers, "6", "2", "x");
    EXPECT_EQ(TCCompute(numbers, "1", "0", "/"), kDivisionByZeroText);
    EXPECT_EQ(TCCompute(numbers, "0", "0", "/"), kDivisionByZeroText);
    EXPECT_EQ(TCCompute(numbers, "3E38", "10", "x"), kOverflowText);
    EXPECT_EQ(TCCompute(numbers, "1E39", "1", "+"), kOverflowText);
    EXPECT_EQ(TCCompute(numbers, "1e999999999", "1", "+"), kOverflowText);
    EXPECT_EQ(numbers.result, 12);
    EXPECT_EQ(TCCompute(numbers, "1", "1", "?"), " 12");  // unknown operator: shown unchanged
    EXPECT_EQ(TCCompute(numbers, "1e-999999999", "1", "+"), " 1");  // too small to matter: 0
}

}  // namespace
}  // namespace tessamo
