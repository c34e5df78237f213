// The amount axis's ticks: round steps that reach 0 and cover the range.
#include <gtest/gtest.h>

#include "charts/AxisTicks.h"

namespace tessamo {
namespace {

TEST(AxisTicks, RoundStepsFromZeroOverTheRange) {
    const auto units = [](std::vector<long long> values) {
        std::vector<AmountSum> ticks;
        for (long long v : values) ticks.push_back(static_cast<AmountSum>(v) * kAmountScale);
        return ticks;
    };
    const struct {
        AmountSum low, high;
        std::vector<AmountSum> ticks;
    } cases[] = {
        {0, 1440000, units({0, 50, 100, 150})},              // 144.00: steps of 50
        {0, 30000000, units({0, 1000, 2000, 3000})},         // 3,000.00
        {-12000000, 25000000, units({-2000, -1000, 0, 1000, 2000, 3000})},  // below 0 as well
        {0, 0, units({0, 1})},                               // nothing to show: one unit
        {0, 3, units({0, 1})},                               // less than a unit
    };
    for (const auto& c : cases) EXPECT_EQ(RoundTicks(c.low, c.high), c.ticks) << static_cast<long long>(c.high);
}

}  // namespace
}  // namespace tessamo
