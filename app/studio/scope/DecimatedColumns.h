#pragma once

#include <cstddef>
#include <vector>

#include "MinMaxPyramid.h"
#include "PlotMapping.h"
#include "TraceDecimator.h"

namespace VantorStudio {

// The pixel columns of one trace (TraceDecimator::columns) kept from frame to frame. A plot
// repaints far more often than its time axis changes (a cursor moving, a window uncovered, a
// run logging into a fixed axis), and the columns are the part of a frame whose cost grows with
// the samples: with the same columns and time range, only the columns the samples logged since
// the last frame can change are computed again (from the first one that reached the samples'
// end); anything else computes them all. The value range plays no part in the columns.
class DecimatedColumns {
public:
    // The columns of `samples` under `mapping`: TraceDecimator::columns(samples, mapping).
    const std::vector<TraceDecimator::Column>& of(const MinMaxPyramid& samples,
                                                  const PlotMapping& mapping);
    // How many columns the last of() computed (the rest it kept), for tests.
    std::size_t lastComputed() const { return lastComputed_; }

private:
    std::size_t firstToCompute(const MinMaxPyramid& samples, const PlotMapping& mapping) const;

    const MinMaxPyramid* samples_ = nullptr;
    std::size_t covered_ = 0;
    int width_ = -1;
    PlotRange time_;
    std::vector<TraceDecimator::Column> columns_;
    std::size_t lastComputed_ = 0;
};

}  // namespace VantorStudio
