#include "scope/TraceDecimator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "ScopeTestResults.h"

namespace {

using VantorStudio::MinMaxPyramid;
using VantorStudio::PlotMapping;
using VantorStudio::TraceDecimator;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A million samples at uneven (sometimes repeated) times: a sine with noise and spikes.
std::shared_ptr<VTSIM::SimulationResults> millionSamples() {
    auto results = std::make_shared<VTSIM::SimulationResults>(std::vector<std::string>{"y"});
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> step(0, 2e-5), noise(-0.1, 0.1);
    double time = 0;
    for (int i = 0; i < 1000000; ++i) {
        time += i % 1000 == 0 ? 0 : step(random);
        const double value = std::sin(2 * M_PI * time) + noise(random) + (i % 77777 == 0 ? 5 : 0);
        results->append(time, &value, false);
    }
    return results;
}

TEST(TraceDecimatorTest, EachPixelColumnHoldsTheExactExtentOfTheSamplesInItsTimeSpan) {
    MinMaxPyramid samples(millionSamples(), 0);
    samples.update();
    const PlotMapping mapping(QRect(37, 10, 1000, 200), {1.3, 8.1}, {-2, 2});
    const std::vector<TraceDecimator::Column> columns = TraceDecimator::columns(samples, mapping);
    ASSERT_EQ(columns.size(), 1000u);

    // Brute force: walk the samples, each to the last column starting at or before its time.
    std::vector<TraceDecimator::Column> expected(1000);
    std::size_t sample = 0;
    while (sample < samples.size() && samples.time(sample) < mapping.columnStart(0))
        ++sample;
    for (auto& column : expected)
        column.first = column.last = sample;
    int c = 0;
    for (; sample < samples.size() && samples.time(sample) <= mapping.time().high; ++sample) {
        while (c + 1 < 1000 && samples.time(sample) >= mapping.columnStart(c + 1)) {
            expected[c + 1].first = expected[c + 1].last = sample;
            ++c;
        }
        expected[c].last = sample + 1;
        expected[c].extent.include(samples.value(sample));
    }
    for (++c; c < 1000; ++c)
        expected[c].first = expected[c].last = sample;

    for (int column = 0; column < 1000; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(columns[column].first, expected[column].first);
        EXPECT_EQ(columns[column].last, expected[column].last);
        EXPECT_EQ(columns[column].extent.min, expected[column].extent.min);
        EXPECT_EQ(columns[column].extent.max, expected[column].extent.max);
    }
    // A few points per column, however many samples.
    std::size_t points = 0;
    for (const QPolygonF& line :
         TraceDecimator::polylines(samples, mapping, TraceDecimator::Mode::Decimated))
        points += line.size();
    EXPECT_LE(points, 4 * 1000 + 2u);
}

TEST(TraceDecimatorTest, ASparseTraceGivesThePointsOfThePlainDrawing) {
    auto results = ScopeTest::ResultsBuilder({"y"})
                       .samples(50, 0, 0.2, [](std::size_t i) { return std::cos(0.3 * i); })
                       .build();
    MinMaxPyramid samples(results, 0);
    samples.update();
    // From the third sample to between the 40th and 41st: one before and one after join in.
    const PlotMapping mapping(QRect(0, 0, 400, 100), {0.4, 7.9}, {-1, 1});
    const auto decimated =
        TraceDecimator::polylines(samples, mapping, TraceDecimator::Mode::Decimated);
    const auto plain = TraceDecimator::polylines(samples, mapping, TraceDecimator::Mode::Plain);
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain.front().size(), 40);
    EXPECT_EQ(plain.front().front(), QPointF(mapping.xOf(0.2), mapping.yOf(std::cos(0.3))));
    EXPECT_EQ(decimated, plain);
}

TEST(TraceDecimatorTest, NaNSamplesBreakTheLine) {
    auto results = ScopeTest::ResultsBuilder({"y"})
                       .samples(10, 0, 1, [](std::size_t i) { return i == 4 ? kNaN : double(i); })
                       .build();
    MinMaxPyramid samples(results, 0);
    samples.update();
    const PlotMapping mapping(QRect(0, 0, 900, 90), {0, 9}, {0, 9});
    const auto lines = TraceDecimator::polylines(samples, mapping, TraceDecimator::Mode::Decimated);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 4);
    EXPECT_EQ(lines[1].size(), 5);
}

TEST(TraceDecimatorTest, TheValueAtATimeJoinsTheNeighbouringSamplesByAStraightLine) {
    auto results = ScopeTest::ResultsBuilder({"y"})
                       .sample(1, {10})
                       .sample(2, {20})
                       .sample(4, {kNaN})
                       .sample(5, {-1})
                       .build();
    MinMaxPyramid samples(results, 0);
    samples.update();
    EXPECT_EQ(TraceDecimator::valueAt(samples, 1.25), 12.5);
    EXPECT_EQ(TraceDecimator::valueAt(samples, 2), 20.0);
    EXPECT_EQ(TraceDecimator::valueAt(samples, 5), -1.0);
    EXPECT_EQ(TraceDecimator::valueAt(samples, 3), std::nullopt);
    EXPECT_EQ(TraceDecimator::valueAt(samples, 0.5), std::nullopt);
    EXPECT_EQ(TraceDecimator::valueAt(samples, 5.5), std::nullopt);
}

}  // namespace
