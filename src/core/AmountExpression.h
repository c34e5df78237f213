#pragma once
// Amount expressions: a typed amount that begins with "=" is worked out
// instead of read ("=12.50+3.20", "=3*4.99", "=(120-15)/3"). Numbers are
// digits with at most one decimal separator (the system's); + - * / and
// parentheses as in school arithmetic; blanks anywhere. The arithmetic is
// exact (fractions of whole numbers), and only the result is rounded to the
// ten-thousandth, half to even, as typed amounts are. Everything that is not
// such an expression is refused with the reason: division by zero, a result
// or a step beyond the stored range, a stray character.
#include <cstdint>
#include <string>

#include "platform/MoneyFormat.h"
#include "platform/Result.h"

namespace tessamo {

// True when `typed` is meant as an expression: its first non-blank is "=".
bool IsAmountExpression(const std::string& typed);

// Works out `typed` (its leading blanks and "=" included): the amount in
// ten-thousandths, or InvalidArgument with the reason.
Result<std::int64_t> EvaluateAmountExpression(const std::string& typed, const MoneyFormat& format);

}  // namespace tessamo
