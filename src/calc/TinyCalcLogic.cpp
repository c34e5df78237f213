#include "calc/TinyCalcLogic.h"

#include <cfloat>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "core/LeadingNumber.h"

namespace tessamo {
namespace {

constexpr int kShownDigits = 15;
// Exponents beyond these make numbers that are out of range or shown as 0
// anyway; refusing them early keeps a typed "1e999999999" from building a
// billion-digit number.
constexpr long kLargestExponent = 60;
constexpr long kSmallestExponent = -400;

mpq_class PowerOfTen(long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    mpq_class result = exponent < 0 ? mpq_class(1, power) : mpq_class(power);
    result.canonicalize();
    return result;
}

bool InRange(const mpq_class& value) { return abs(value) <= mpq_class(static_cast<double>(FLT_MAX)); }

// A decimal text as the leading-number rule gathers it ("-12.5e3") as an exact
// fraction; nothing when it lies beyond the calculator's range.
std::optional<mpq_class> ReadOperand(const std::string& text) {
    const std::string number = LeadingNumberText(text);
    std::string digits;
    long exponent = 0;
    bool afterPoint = false;
    std::size_t i = 0;
    const bool negative = !number.empty() && number[0] == '-';
    if (!number.empty() && (number[0] == '-' || number[0] == '+')) ++i;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        if (number[i] == '.') { afterPoint = true; continue; }
        digits += number[i];
        if (afterPoint) --exponent;
    }
    if (i < number.size()) {
        const long typed = std::strtol(number.c_str() + i + 1, nullptr, 10);
        if (typed > kLargestExponent + 1000 || typed < kSmallestExponent - 1000) {
            if (typed < 0) return mpq_class(0);
            return std::nullopt;
        }
        exponent += typed;
    }
    const mpz_class coefficient(digits.empty() ? "0" : digits, 10);
    if (coefficient == 0) return mpq_class(0);
    if (exponent > kLargestExponent + static_cast<long>(digits.size())) return std::nullopt;
    if (exponent < kSmallestExponent - static_cast<long>(digits.size())) return mpq_class(0);
    mpq_class value = mpq_class(coefficient) * PowerOfTen(exponent);
    if (negative) value = -value;
    if (!InRange(value)) return std::nullopt;
    return value;
}

// The power of ten of the first significant digit of a positive number.
long LeadingExponent(const mpq_class& magnitude) {
    long exponent = static_cast<long>(mpz_sizeinbase(magnitude.get_num_mpz_t(), 10)) -
                    static_cast<long>(mpz_sizeinbase(magnitude.get_den_mpz_t(), 10));
    while (magnitude >= PowerOfTen(exponent + 1)) ++exponent;
    while (magnitude < PowerOfTen(exponent)) --exponent;
    return exponent;
}

// Digits of the rounded mantissa without trailing zeros, and the power of ten of the first.
void SignificantDigits(const mpq_class& magnitude, std::string& digits, long& exponent) {
    exponent = LeadingExponent(magnitude);
    const mpq_class scaled = magnitude * PowerOfTen(kShownDigits - 1 - exponent) + mpq_class(1, 2);
    mpz_class rounded;
    mpz_fdiv_q(rounded.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
    digits = rounded.get_str();
    if (digits.size() > static_cast<std::size_t>(kShownDigits)) {  // 9.99…95 rounded up to 10
        digits.pop_back();
        ++exponent;
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

std::string FixedText(const std::string& digits, long exponent) {
    if (exponent < 0) return "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) return digits + std::string(whole - digits.size(), '0');
    return digits.substr(0, whole) + "." + digits.substr(whole);
}

std::string ExponentText(const std::string& digits, long exponent) {
    char power[24];
    std::snprintf(power, sizeof power, "E%c%02ld", exponent < 0 ? '-' : '+', std::labs(exponent));
    return digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "") + power;
}

}  // namespace

std::string CalcNumberText(const mpq_class& value) {
    if (value == 0) return " 0";
    std::string digits;
    long exponent = 0;
    SignificantDigits(abs(value), digits, exponent);
    const bool fixed = exponent > -5 && exponent < kShownDigits;
    return (value < 0 ? "-" : " ") + (fixed ? FixedText(digits, exponent) : ExponentText(digits, exponent));
}

std::string TCCompute(TinyCalcNumbers& numbers, const std::string& topText, const std::string& bottomText,
                      const std::string& op) {
    const std::optional<mpq_class> top = ReadOperand(topText), bottom = ReadOperand(bottomText);
    if (!top || !bottom) return kOverflowText;
    numbers.top = *top;
    numbers.bottom = *bottom;
    mpq_class result = numbers.result;
    if (op == "+") result = numbers.top + numbers.bottom;
    else if (op == "-") result = numbers.top - numbers.bottom;
    else if (op == "x") result = numbers.top * numbers.bottom;
    else if (op == "/") {
        if (numbers.bottom == 0) return kDivisionByZeroText;
        result = numbers.top / numbers.bottom;
    }
    if (!InRange(result)) return kOverflowText;
    numbers.result = result;
    return CalcNumberText(numbers.result);
}

}  // namespace tessamo
