#include "scope/DecimatedColumns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "sim/SimulationResults.h"

namespace {

using VantorStudio::DecimatedColumns;
using VantorStudio::MinMaxPyramid;
using VantorStudio::PlotMapping;
using VantorStudio::TraceDecimator;

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void expectSameColumns(const std::vector<TraceDecimator::Column>& got,
                       const std::vector<TraceDecimator::Column>& expected) {
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t c = 0; c < got.size(); ++c) {
        SCOPED_TRACE(c);
        ASSERT_EQ(got[c].first, expected[c].first);
        ASSERT_EQ(got[c].last, expected[c].last);
        ASSERT_TRUE(sameBits(got[c].extent.min, expected[c].extent.min));
        ASSERT_TRUE(sameBits(got[c].extent.max, expected[c].extent.max));
        ASSERT_TRUE(sameBits(got[c].firstValue, expected[c].firstValue));
        ASSERT_TRUE(sameBits(got[c].lastValue, expected[c].lastValue));
    }
}

// A run logging into a scope whose time axis stays 0..10 s: frame after frame, the kept columns
// are the columns computed afresh, while only the columns the new samples reach are computed
// again (samples come 2,000 a frame, 1,000 a second of simulated time, some at repeated times
// and some NaN). A changed time range or width computes every column.
TEST(DecimatedColumnsTest, AGrowingRunRecomputesOnlyTheColumnsItsNewSamplesReach) {
    auto results = std::make_shared<VTSIM::SimulationResults>(std::vector<std::string>{"y"});
    MinMaxPyramid samples(results, 0);
    DecimatedColumns kept;
    const PlotMapping axis(QRect(10, 5, 400, 120), {0, 10}, {-2, 2});
    double time = 0;
    std::size_t logged = 0;
    for (int frame = 0; frame < 4; ++frame) {
        for (int i = 0; i < 2000; ++i, ++logged) {
            time += logged % 500 == 7 ? 0.0 : 0.001;
            const double value = logged % 333 == 5 ? std::nan("") : std::sin(time * 7 + i % 3);
            results->append(time, &value, false);
        }
        samples.update();
        SCOPED_TRACE(frame);
        expectSameColumns(kept.of(samples, axis), TraceDecimator::columns(samples, axis));
        // 2 s of new samples on a 10 s axis of 400 columns: 80 columns and the one before.
        if (frame == 0)
            EXPECT_EQ(kept.lastComputed(), 400u);
        else
            EXPECT_LE(kept.lastComputed(), 400u - 80 * frame + 1);
        // Repainting without new samples keeps every column but the one at the end.
        kept.of(samples, axis);
        EXPECT_LE(kept.lastComputed(), 400u - 80 * (frame + 1) + 1);
    }
    const PlotMapping zoomed(QRect(10, 5, 400, 120), {1, 7}, {-2, 2});
    expectSameColumns(kept.of(samples, zoomed), TraceDecimator::columns(samples, zoomed));
    EXPECT_EQ(kept.lastComputed(), 400u);
    const PlotMapping narrower(QRect(10, 5, 250, 120), {1, 7}, {-2, 2});
    expectSameColumns(kept.of(samples, narrower), TraceDecimator::columns(samples, narrower));
    EXPECT_EQ(kept.lastComputed(), 250u);
}

}  // namespace
