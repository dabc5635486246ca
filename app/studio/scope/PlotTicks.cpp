#include "PlotTicks.h"

#include <algorithm>
#include <cmath>

namespace VantorStudio {

namespace {

// Division leaves tick indices a hair off whole numbers (0.3 / 0.1 = 2.9999999999999996):
// within this fraction of a step they count as whole.
constexpr double kIndexSlack = 1e-9;
// Beyond these the fixed form gets too long: exponent form instead.
constexpr double kLargestFixed = 1e6;
constexpr int kMostDecimals = 5;

}  // namespace

double PlotTicks::niceStep(double rawStep) {
    const double power = std::pow(10.0, std::floor(std::log10(rawStep)));
    const double fraction = rawStep / power;
    if (fraction <= 1 + kIndexSlack)
        return power;
    if (fraction <= 2 + kIndexSlack)
        return 2 * power;
    if (fraction <= 5 + kIndexSlack)
        return 5 * power;
    return 10 * power;
}

PlotTicks PlotTicks::of(PlotRange range, int maxTicks) {
    PlotTicks ticks;
    if (!std::isfinite(range.low) || !std::isfinite(range.high) || !(range.span() > 0))
        return ticks;
    // n ticks leave n - 1 steps inside the range, so the step must reach span / (n - 1).
    const int intervals = std::max(1, maxTicks - 1);
    ticks.step_ = niceStep(range.span() / intervals);
    if (!(ticks.step_ > 0) || !std::isfinite(ticks.step_))
        return PlotTicks();
    const double first = std::ceil(range.low / ticks.step_ - kIndexSlack);
    const double last = std::floor(range.high / ticks.step_ + kIndexSlack);
    for (double k = first; k <= last; ++k) {
        const double value = k * ticks.step_;
        ticks.values_.push_back(std::abs(value) < ticks.step_ * kIndexSlack ? 0.0 : value);
    }
    ticks.magnitude_ = std::max(std::abs(range.low), std::abs(range.high));
    return ticks;
}

QString PlotTicks::label(double value) const {
    if (step_ <= 0)
        return QString::number(value, 'g', 6);
    const int decimals =
        step_ >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step_) - kIndexSlack));
    if (magnitude_ < kLargestFixed && decimals <= kMostDecimals)
        return QString::number(value, 'f', decimals);
    // As many significant digits as it takes to tell ticks a step apart.
    const int digits = static_cast<int>(std::floor(std::log10(std::max(magnitude_, step_))) -
                                        std::floor(std::log10(step_))) +
                       1;
    return QString::number(value, 'g', std::clamp(digits, 1, 15));
}

}  // namespace VantorStudio
