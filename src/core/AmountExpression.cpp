#include "core/AmountExpression.h"

#include <cstdint>
#include <optional>

#include "core/Amounts.h"

namespace tessamo {
namespace {

using Int = __int128;

// The largest numerator or denominator kept: the largest stored amount's
// digits, and small enough that a sum of two products of them fits in 128 bits.
constexpr Int kLimit = INT64_MAX;
constexpr int kMaxDepth = 64;

Int Gcd(Int a, Int b) {
    if (a < 0) a = -a;
    while (b != 0) {
        const Int r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// An exact fraction with a positive denominator, in lowest terms.
struct Fraction {
    Int num = 0;
    Int den = 1;
};

class Parser {
public:
    Parser(const std::string& text, const MoneyFormat& format) : text_(text), point_(format.decimalPoint) {}

    Result<std::int64_t> Run() {
        Skip();
        if (!Eat('=')) return Refuse("an expression begins with \"=\"");
        std::optional<Fraction> value = Sum(0);
        Skip();
        if (value && at_ < text_.size()) return Refuse(Unexpected());
        if (!value) return Refuse(reason_);
        return Rounded(*value);
    }

private:
    static Result<std::int64_t> Refuse(std::string reason) { return Status::InvalidArgument({}, std::move(reason)); }

    Result<std::int64_t> Rounded(const Fraction& value) {
        // value * 10000 rounded half to even.
        const Int scaled = value.num * kAmountScale;
        Int quotient = scaled / value.den;
        const Int twice = (scaled % value.den) * 2;
        const Int den = value.den;
        if (twice > den || (twice == den && quotient % 2 != 0)) ++quotient;
        if (-twice > den || (-twice == den && quotient % 2 != 0)) --quotient;
        if (quotient > INT64_MAX || quotient < -INT64_MAX) return Refuse("the result is too large");
        return static_cast<std::int64_t>(quotient);
    }

    void Skip() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
    }
    bool Eat(char c) {
        Skip();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    std::string Unexpected() const {
        if (at_ >= text_.size()) return "the expression ends too early";
        return "\"" + text_.substr(at_, 1) + "\" at position " + std::to_string(at_ + 1) + " is not understood";
    }
    std::optional<Fraction> Fail(std::string reason) {
        if (reason_.empty()) reason_ = std::move(reason);
        return std::nullopt;
    }

    std::optional<Fraction> Make(Int num, Int den) {
        if (den == 0) return Fail("division by zero");
        if (den < 0) {
            num = -num;
            den = -den;
        }
        const Int g = Gcd(num, den);
        if (g > 1) {
            num /= g;
            den /= g;
        }
        if (num > kLimit || num < -kLimit || den > kLimit) return Fail("the result is too large");
        return Fraction{num, den};
    }

    std::optional<Fraction> Combine(const Fraction& a, char op, const Fraction& b) {
        switch (op) {
            case '+': return Make(a.num * b.den + b.num * a.den, a.den * b.den);
            case '-': return Make(a.num * b.den - b.num * a.den, a.den * b.den);
            case '*': return Make(a.num * b.num, a.den * b.den);
            default: return Make(a.num * b.den, a.den * b.num);
        }
    }

    // One level of left-to-right operators: `first` and `second` between
    // operands of the next level (Product under Sum, Factor under Product).
    std::optional<Fraction> Chain(int depth, char first, char second, std::optional<Fraction> (Parser::*operand)(int)) {
        std::optional<Fraction> value = (this->*operand)(depth);
        while (value) {
            const char op = Eat(first) ? first : Eat(second) ? second : 0;
            if (!op) break;
            const std::optional<Fraction> next = (this->*operand)(depth);
            value = next ? Combine(*value, op, *next) : std::nullopt;
        }
        return value;
    }
    std::optional<Fraction> Sum(int depth) { return Chain(depth, '+', '-', &Parser::Product); }
    std::optional<Fraction> Product(int depth) { return Chain(depth, '*', '/', &Parser::Factor); }

    std::optional<Fraction> Factor(int depth) {
        if (depth > kMaxDepth) return Fail("the expression is nested too deeply");
        if (Eat('-')) {
            std::optional<Fraction> inner = Factor(depth + 1);
            if (inner) inner->num = -inner->num;
            return inner;
        }
        if (Eat('+')) return Factor(depth + 1);
        if (Eat('(')) {
            std::optional<Fraction> inner = Sum(depth + 1);
            if (inner && !Eat(')')) return Fail("a \")\" is missing");
            return inner;
        }
        return Number();
    }

    std::optional<Fraction> Number() {
        Skip();
        Int num = 0, den = 1;
        bool digits = false, point = false;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c >= '0' && c <= '9') {
                if (num > kLimit || den > kLimit) return Fail("a number is too long");
                num = num * 10 + (c - '0');
                if (point) den *= 10;
                digits = true;
                ++at_;
            } else if (!point && text_.compare(at_, point_.size(), point_) == 0) {
                point = true;
                at_ += point_.size();
            } else {
                break;
            }
        }
        if (!digits) return Fail(Unexpected());
        return Make(num, den);
    }

    const std::string& text_;
    const std::string point_;
    std::size_t at_ = 0;
    std::string reason_;
};

}  // namespace

bool IsAmountExpression(const std::string& typed) {
    const std::size_t first = typed.find_first_not_of(" \t");
    return first != std::string::npos && typed[first] == '=';
}

Result<std::int64_t> EvaluateAmountExpression(const std::string& typed, const MoneyFormat& format) {
    return Parser(typed, format).Run();
}

}  // namespace tessamo
