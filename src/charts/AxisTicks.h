#pragma once
// The ticks of a chart's amount axis at round amounts: a step of 1, 2 or 5
// times a power of ten (in whole currency units, at least 1), chosen so that
// about five steps span the range; the ticks cover it from a multiple of the
// step at or below the low end to one at or above the high end. The range
// always reaches 0, where bars start.
#include <vector>

#include "core/Amounts.h"

namespace tessamo {

// `low` <= `high`, amounts in ten-thousandths; at least two ticks.
std::vector<AmountSum> RoundTicks(AmountSum low, AmountSum high);

}  // namespace tessamo
