#include "DecimatedColumns.h"

namespace VantorStudio {

const std::vector<TraceDecimator::Column>& DecimatedColumns::of(const MinMaxPyramid& samples,
                                                                const PlotMapping& mapping) {
    const std::size_t from = firstToCompute(samples, mapping);
    TraceDecimator::fillColumns(samples, mapping, from, columns_);
    lastComputed_ = columns_.size() - std::min(from, columns_.size());
    samples_ = &samples;
    covered_ = samples.size();
    width_ = mapping.columns();
    time_ = mapping.time();
    return columns_;
}

// Samples are only ever appended, at times not before the last: a column whose samples end
// before the last frame's end saw all of them then, and its bounds were found among samples
// that are still there. The first column reaching that end may gain samples, and every column
// after it.
std::size_t DecimatedColumns::firstToCompute(const MinMaxPyramid& samples,
                                             const PlotMapping& mapping) const {
    const bool sameAxis = samples_ == &samples && width_ == mapping.columns() &&
                          time_ == mapping.time() && samples.size() >= covered_;
    if (!sameAxis)
        return 0;
    std::size_t c = 0;
    while (c < columns_.size() && columns_[c].last < covered_)
        ++c;
    return c;
}

}  // namespace VantorStudio
