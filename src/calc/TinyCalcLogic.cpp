#include "calc/TinyCalcLogic.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "core/LeadingNumber.h"

namespace tessamo {
namespace {

// A typed number rounded to single precision; nothing when it does not fit.
std::optional<float> ReadOperand(const std::string& text) {
    const double value = LeadingNumber(text);
    const float single = static_cast<float>(value);
    if (!std::isfinite(value) || !std::isfinite(single)) return std::nullopt;
    return single;
}

// Digits of the mantissa without trailing zeros, and the power of ten of the first.
void SignificantDigits(float magnitude, std::string& digits, int& exponent) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6e", static_cast<double>(magnitude));
    digits.clear();
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

std::string FixedText(const std::string& digits, int exponent) {
    if (exponent < 0) return "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) return digits + std::string(whole - digits.size(), '0');
    return digits.substr(0, whole) + "." + digits.substr(whole);
}

std::string ExponentText(const std::string& digits, int exponent) {
    char power[16];
    std::snprintf(power, sizeof power, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "") + power;
}

}  // namespace

std::string CalcNumberText(float value) {
    if (value == 0) return " 0";
    std::string digits;
    int exponent = 0;
    SignificantDigits(std::fabs(value), digits, exponent);
    const std::string number = exponent > -5 && exponent < 7 ? FixedText(digits, exponent) : ExponentText(digits, exponent);
    return (value < 0 ? "-" : " ") + number;
}

std::string TCCompute(TinyCalcNumbers& numbers, const std::string& topText, const std::string& bottomText,
                      const std::string& op) {
    const std::optional<float> top = ReadOperand(topText), bottom = ReadOperand(bottomText);
    if (!top || !bottom) return kOverflowText;
    numbers.top = *top;
    numbers.bottom = *bottom;
    float result = numbers.result;
    if (op == "+") result = numbers.top + numbers.bottom;
    else if (op == "-") result = numbers.top - numbers.bottom;
    else if (op == "x") result = numbers.top * numbers.bottom;
    else if (op == "/") {
        if (numbers.bottom == 0) return kDivisionByZeroText;
        result = numbers.top / numbers.bottom;
    }
    if (!std::isfinite(result)) return kOverflowText;
    numbers.result = result;
    return CalcNumberText(numbers.result);
}

}  // namespace tessamo
