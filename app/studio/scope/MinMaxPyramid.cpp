#include "MinMaxPyramid.h"

#include <algorithm>
#include <array>
#include <optional>

namespace VantorStudio {

namespace {

// Level-0 blocks read per copy from the results: copying a few thousand samples at once keeps
// the results' range checks out of the per-sample cost.
constexpr std::size_t kBlocksPerRead = 64;
// Raw samples read per copy at the ends of a range.
constexpr std::size_t kScanSamples = 256;

}  // namespace

MinMaxPyramid::MinMaxPyramid(std::shared_ptr<const VTSIM::SimulationResults> results,
                             std::size_t column)
    : results_(std::move(results)),
      column_(column),
      hasColumn_(results_ && column < results_->columnCount()) {
    levels_.emplace_back();
}

std::size_t MinMaxPyramid::update() {
    if (!hasColumn_)
        return 0;
    const std::size_t logged = results_->size();
    if (logged <= size_)
        return size_;
    addBlocks(logged);
    addUpperLevels();
    size_ = logged;
    return size_;
}

void MinMaxPyramid::copyValues(std::size_t first, std::size_t count, double* out) const {
    results_->copy(column_, first, count, out);
}

void MinMaxPyramid::addBlocks(std::size_t covered) {
    std::vector<Extent>& blocks = levels_.front();
    const std::size_t wholeBlocks = covered / kBlockSamples;
    std::vector<double> values;
    while (blocks.size() < wholeBlocks) {
        const std::size_t count = std::min(kBlocksPerRead, wholeBlocks - blocks.size());
        values.resize(count * kBlockSamples);
        copyValues(blocks.size() * kBlockSamples, values.size(), values.data());
        for (std::size_t b = 0; b < count; ++b)
            blockTimes_.push_back(results_->time((blocks.size() + b) * kBlockSamples));
        for (std::size_t b = 0; b < count; ++b) {
            Extent block;
            for (std::size_t i = 0; i < kBlockSamples; ++i)
                block.include(values[b * kBlockSamples + i]);
            blocks.push_back(block);
        }
    }
}

void MinMaxPyramid::addUpperLevels() {
    // A level exists as soon as the one below has two whole blocks: extent() relies on it.
    for (std::size_t level = 0; levels_[level].size() >= 2; ++level) {
        if (level + 1 == levels_.size())
            levels_.emplace_back();
        const std::vector<Extent>& below = levels_[level];
        std::vector<Extent>& above = levels_[level + 1];
        while (2 * above.size() + 1 < below.size()) {
            Extent pair = below[2 * above.size()];
            pair.include(below[2 * above.size() + 1]);
            above.push_back(pair);
        }
    }
}

MinMaxPyramid::Extent MinMaxPyramid::extent(std::size_t first, std::size_t last) const {
    last = std::min(last, size_);
    if (first >= last)
        return {};
    std::size_t firstBlock = (first + kBlockSamples - 1) / kBlockSamples;
    std::size_t endBlock = last / kBlockSamples;
    if (firstBlock >= endBlock)
        return scan(first, last);
    Extent result = scan(first, firstBlock * kBlockSamples);
    result.include(scan(endBlock * kBlockSamples, last));
    // Climb the levels like a segment tree: a block at an odd index has no partner inside the
    // range, so it is taken whole and the rest pairs up into the level above.
    for (std::size_t level = 0; firstBlock < endBlock; ++level) {
        const std::vector<Extent>& blocks = levels_[level];
        if (firstBlock & 1)
            result.include(blocks[firstBlock++]);
        if (endBlock & 1)
            result.include(blocks[--endBlock]);
        firstBlock >>= 1;
        endBlock >>= 1;
    }
    return result;
}

MinMaxPyramid::Extent MinMaxPyramid::scan(std::size_t first, std::size_t last) const {
    Extent result;
    std::array<double, kScanSamples> values;
    while (first < last) {
        const std::size_t count = std::min(kScanSamples, last - first);
        copyValues(first, count, values.data());
        for (std::size_t i = 0; i < count; ++i)
            result.include(values[i]);
        first += count;
    }
    return result;
}

std::size_t MinMaxPyramid::firstAtOrAfter(double time, std::size_t from) const {
    return firstNotBefore(
        time, [time](double t) { return t < time; }, from);
}

std::size_t MinMaxPyramid::firstAfter(double time, std::size_t from) const {
    return firstNotBefore(
        time, [time](double t) { return t <= time; }, from);
}

// Gallops over the blocks' start times from `from`'s block to the first block that does not
// start before the answer's time, then searches the samples of the block before it.
template <class Before>
std::size_t MinMaxPyramid::firstNotBefore(double time, Before before, std::size_t from) const {
    if (from >= size_)
        return size_;
    // Blocks of the levels are whole: their start times cover samples below that many blocks.
    const std::size_t blocks = std::min(blockTimes_.size(), size_ / kBlockSamples);
    std::size_t low = from / kBlockSamples + 1, high = blocks;
    for (std::size_t step = 1; low < high; step *= 2) {
        const std::size_t probe = std::min(low + step - 1, high - 1);
        if (!before(blockTimes_[probe])) {
            high = probe;
            break;
        }
        low = probe + 1;
    }
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (before(blockTimes_[middle]))
            low = middle + 1;
        else
            high = middle;
    }
    // Block `low` (if any) starts at or after the answer, block low - 1 before it (or holds
    // `from`): the answer is among block low - 1's samples or is block low's first.
    // Copied at once, the block's times arrive together; probed one by one, each would wait
    // for the last in a long run.
    const std::size_t first = std::max(from, (low - 1) * kBlockSamples);
    const std::size_t last = low < blocks ? low * kBlockSamples : size_;
    if (low < blocks) {
        if (const std::optional<std::size_t> found = guessedInBlock(time, before, low, first))
            return *found;
    }
    std::array<double, 2 * kBlockSamples> times;
    std::size_t at = first;
    while (at < last) {
        const std::size_t count = std::min(times.size(), last - at);
        results_->copy(VTSIM::SimulationResults::kTimeColumn, at, count, times.data());
        const std::size_t notBefore = static_cast<std::size_t>(
            std::partition_point(times.begin(), times.begin() + count, before) - times.begin());
        if (notBefore < count)
            return at + notBefore;
        at += count;
    }
    return last;
}

// Samples usually come at even steps: the answer's place in block low - 1 is guessed from the
// start times of that block and the next, and a few samples around the guess are read, the one
// before them included; the guess is taken when the answer is seen to lie among them.
template <class Before>
std::optional<std::size_t> MinMaxPyramid::guessedInBlock(double time, Before before,
                                                         std::size_t low, std::size_t first) const {
    const double t0 = blockTimes_[low - 1], t1 = blockTimes_[low];
    const double fraction = (time - t0) / (t1 - t0);
    if (!(t1 > t0) || !(fraction >= 0) || !(fraction <= 1))
        return std::nullopt;
    constexpr std::size_t kBefore = 3, kWindow = 8;
    const std::size_t blockStart = (low - 1) * kBlockSamples, last = low * kBlockSamples;
    const auto guess = blockStart + static_cast<std::size_t>(fraction * kBlockSamples);
    const std::size_t begin = std::max(first, std::min(guess, last) - std::min(guess, kBefore));
    const std::size_t end = std::min(last, begin + kWindow);
    // The sample just before the window, unless the window starts at `first`.
    const std::size_t read = begin > first ? begin - 1 : begin;
    std::array<double, kWindow + 1> times;
    results_->copy(VTSIM::SimulationResults::kTimeColumn, read, end - read, times.data());
    const std::size_t count = end - read;
    if (read < begin && !before(times[0]))
        return std::nullopt;  // the answer lies before the window
    const std::size_t notBefore = static_cast<std::size_t>(
        std::partition_point(times.begin(), times.begin() + count, before) - times.begin());
    if (notBefore == count && end < last)
        return std::nullopt;  // after it
    return read + notBefore;
}

}  // namespace VantorStudio
