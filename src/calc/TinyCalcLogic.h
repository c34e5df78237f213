#pragma once
// The arithmetic of TinyCalc: two single-precision operands read from their
// boxes by the leading-number rule, one of the operators "+", "-", "x", "/",
// and the result written as the calculator shows it.
#include <string>

namespace tessamo {

// The window's stored numbers, all 0 when it opens and after "C".
struct TinyCalcNumbers {
    float top = 0;
    float bottom = 0;
    float result = 0;
};

// The result text: a leading blank when not negative ("-" otherwise), at most
// 7 significant digits, no trailing zeros, no digit before the point between
// -1 and 1 (" 42", " 2.5", "-3", " .3333333"). Beyond that range of fixed
// notation it is written with an exponent (" 1.234568E+07", " 1E-05").
std::string CalcNumberText(float value);

inline constexpr const char* kDivisionByZeroText = "Division by zero";
inline constexpr const char* kOverflowText = "Overflow";

// "=": reads both boxes into `numbers`, applies `op` and returns the text for
// the result label. Division by zero and a number beyond single precision
// leave the stored result as it was and return kDivisionByZeroText or
// kOverflowText. An unknown operator leaves the stored result as it was and
// shows it.
std::string TCCompute(TinyCalcNumbers& numbers, const std::string& topText, const std::string& bottomText,
                      const std::string& op);

}  // namespace tessamo
