#pragma once

#include <cstddef>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "sim/SimulationResults.h"

namespace VantorStudio {

// The smallest and largest values of one value column of a run's results over blocks of
// samples, kept in levels: level 0 holds blocks of kBlockSamples samples, each next level
// blocks twice as long, so that the extent of any sample range is put together from a few
// blocks plus the raw samples at its two ends.
//
// NaN samples are ignored: they count in no minimum or maximum, and a range holding only NaN
// samples has an empty extent. Infinite values count like any other.
//
// Growth: update() extends the levels to the samples the results hold now, reading only the
// samples logged since the last call; the run may go on appending meanwhile (the results allow
// one writer and lock-free readers). Queries see the samples covered at the last update(), no
// more. Costs: update() O(new samples); extent() O(log n + kBlockSamples); the levels take
// about 32 bytes per kBlockSamples samples.
//
// The pyramid shares ownership of the results. A column that does not exist in them is not an
// error: the pyramid then covers no sample, ever. User-interface thread (one thread) only.
class MinMaxPyramid {
public:
    // The smallest and largest value of a set of samples; empty (min > max: +inf, -inf) when
    // the set holds no sample that is not NaN.
    struct Extent {
        double min = std::numeric_limits<double>::infinity();
        double max = -std::numeric_limits<double>::infinity();

        bool empty() const { return !(min <= max); }
        void include(double value) {
            // Both comparisons are false for NaN, which is how NaN samples are left out.
            if (value < min)
                min = value;
            if (value > max)
                max = value;
        }
        void include(const Extent& other) {
            if (other.min < min)
                min = other.min;
            if (other.max > max)
                max = other.max;
        }
    };

    static constexpr std::size_t kBlockSamples = 64;

    MinMaxPyramid(std::shared_ptr<const VTSIM::SimulationResults> results, std::size_t column);

    // Reads the samples logged since the last call. Returns the samples now covered.
    std::size_t update();
    // The samples covered (those the results held at the last update()).
    std::size_t size() const { return size_; }
    const std::shared_ptr<const VTSIM::SimulationResults>& results() const { return results_; }
    std::size_t column() const { return column_; }
    bool hasColumn() const { return hasColumn_; }

    // The extent of samples [first, last), clipped to size(); exact. Empty for an empty range.
    Extent extent(std::size_t first, std::size_t last) const;

    // One covered sample's time (seconds) and value; `sample` below size().
    double time(std::size_t sample) const { return results_->time(sample); }
    double value(std::size_t sample) const { return results_->value(column_, sample); }
    // Copies covered samples [first, first + count) of the column into `out`.
    void copyValues(std::size_t first, std::size_t count, double* out) const;

    // The first covered sample whose time is not before `time` (size() when there is none),
    // and the first whose time is after `time`. Times never decrease along the samples, so
    // the samples of the closed interval [t0, t1] are [firstAtOrAfter(t0), firstAfter(t1)).
    // `from`: a sample known to be at or before the answer (the answer of a search for an
    // earlier time), where the search starts; O(log distance) from there, through the blocks'
    // start times before the samples, so that searches from left to right over long runs stay
    // in a few cache lines.
    std::size_t firstAtOrAfter(double time, std::size_t from = 0) const;
    std::size_t firstAfter(double time, std::size_t from = 0) const;

private:
    void addBlocks(std::size_t covered);
    void addUpperLevels();
    Extent scan(std::size_t first, std::size_t last) const;
    // The first sample from `from` on (size() when none) for which `before(time)` is false.
    template <class Before>
    std::size_t firstNotBefore(double time, Before before, std::size_t from) const;
    template <class Before>
    std::optional<std::size_t> guessedInBlock(double time, Before before, std::size_t low,
                                              std::size_t first) const;

    std::shared_ptr<const VTSIM::SimulationResults> results_;
    std::size_t column_;
    bool hasColumn_;
    std::size_t size_ = 0;
    // levels_[k][j]: the extent of samples [j * kBlockSamples << k, (j + 1) * kBlockSamples << k);
    // only whole blocks are kept.
    std::vector<std::vector<Extent>> levels_;
    // blockTimes_[j]: the time of sample j * kBlockSamples, the first of level-0 block j.
    std::vector<double> blockTimes_;
};

}  // namespace VantorStudio
