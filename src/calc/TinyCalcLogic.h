#pragma once
// The arithmetic of TinyCalc: two operands read from their boxes by the
// leading-number rule, one of the operators "+", "-", "x", "/", and the
// result written as the calculator shows it. The numbers are exact
// fractions, so amounts keep their cents (123456.78 - 0.01 is 123456.77);
// only the shown text is rounded.
#include <gmpxx.h>

#include <string>

namespace tessamo {

// The window's stored numbers, all 0 when it opens and after "C".
struct TinyCalcNumbers {
    mpq_class top = 0;
    mpq_class bottom = 0;
    mpq_class result = 0;
};

// The result text: a leading blank when not negative ("-" otherwise), at most
// 15 significant digits (rounded half away from zero), no trailing zeros, no
// digit before the point between -1 and 1 (" 42", " 2.5", "-3",
// " .333333333333333"). Beyond that range of fixed notation it is written with
// an exponent (" 1.23456789012346E+15", " 1E-05").
std::string CalcNumberText(const mpq_class& value);

inline constexpr const char* kDivisionByZeroText = "Division by zero";
inline constexpr const char* kOverflowText = "Overflow";

// "=": reads both boxes into `numbers`, applies `op` and returns the text for
// the result label. Division by zero and a number beyond the calculator's
// range (that of a single-precision number, about 3.4E+38) leave the stored
// result as it was and return kDivisionByZeroText or kOverflowText. An unknown
// operator leaves the stored result as it was and shows it.
std::string TCCompute(TinyCalcNumbers& numbers, const std::string& topText, const std::string& bottomText,
                      const std::string& op);

}  // namespace tessamo
