#pragma once

#include <QString>
#include <vector>

#include "PlotMapping.h"

namespace VantorStudio {

// The ticks of one plot axis: every multiple of a step inside a range, the step being 1, 2 or
// 5 times a power of ten, the smallest such step that gives at most the number of ticks asked
// for. A value type.
class PlotTicks {
public:
    // The ticks of `range`, at most `maxTicks` of them; at least one when four or more are
    // allowed (with fewer, the nice step may pass the range). No ticks at all when the range is
    // empty, reversed or not finite.
    static PlotTicks of(PlotRange range, int maxTicks);

    // The step between ticks; 0 when there are no ticks.
    double step() const { return step_; }
    // The ticks in increasing order; a tick within a billionth of a step of zero is 0.
    const std::vector<double>& values() const { return values_; }
    // The text of a tick: fixed decimals just fine enough for the step ("0.5", "12", "0.02"),
    // or exponent form for very large or very small numbers.
    QString label(double value) const;

    // The nice step for at least `rawStep` (positive, finite): 1, 2 or 5 times a power of ten.
    static double niceStep(double rawStep);

private:
    double step_ = 0;
    double magnitude_ = 0;
    std::vector<double> values_;
};

}  // namespace VantorStudio
