#include "charts/AxisTicks.h"

#include <algorithm>

namespace tessamo {
namespace {

constexpr int kWantedSteps = 5;

AmountSum FloorTo(AmountSum value, AmountSum step) {
    const AmountSum q = value / step;
    return (value % step != 0 && value < 0 ? q - 1 : q) * step;
}

AmountSum CeilTo(AmountSum value, AmountSum step) {
    const AmountSum q = value / step;
    return (value % step != 0 && value > 0 ? q + 1 : q) * step;
}

}  // namespace

std::vector<AmountSum> RoundTicks(AmountSum low, AmountSum high) {
    low = std::min<AmountSum>(low, 0);
    high = std::max<AmountSum>(high, 0);
    const AmountSum span = high - low;
    AmountSum step = kAmountScale;  // one currency unit
    for (AmountSum power = kAmountScale;; power *= 10) {
        for (int factor : {1, 2, 5}) {
            step = power * factor;
            if (span <= step * kWantedSteps) break;
        }
        if (span <= step * kWantedSteps) break;
    }
    std::vector<AmountSum> ticks;
    const AmountSum last = std::max(CeilTo(high, step), FloorTo(low, step) + step);
    for (AmountSum tick = FloorTo(low, step); tick <= last; tick += step) ticks.push_back(tick);
    return ticks;
}

}  // namespace tessamo
