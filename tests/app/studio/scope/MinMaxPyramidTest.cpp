#include "scope/MinMaxPyramid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "ScopeTestResults.h"

namespace {

using VantorStudio::MinMaxPyramid;
using Extent = MinMaxPyramid::Extent;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

Extent bruteForce(const std::vector<double>& values, std::size_t first, std::size_t last) {
    Extent extent;
    for (std::size_t i = first; i < last; ++i) {
        if (std::isnan(values[i]))
            continue;
        extent.min = std::min(extent.min, values[i]);
        extent.max = std::max(extent.max, values[i]);
    }
    return extent;
}

TEST(MinMaxPyramidTest, ExtentsOfRandomRangesEqualABruteForceScanWhileTheRunGrows) {
    constexpr std::size_t kSamples = 200000;
    std::mt19937_64 random(20240611);
    std::normal_distribution<double> noise(0, 1);
    std::uniform_int_distribution<std::size_t> pieceSize(1, 9000);
    auto results = std::make_shared<VTSIM::SimulationResults>(std::vector<std::string>{"x", "y"});
    MinMaxPyramid pyramid(results, 1);
    std::vector<double> logged, times;
    double walk = 0, time = 0;
    while (logged.size() < kSamples) {
        const std::size_t piece = std::min(pieceSize(random), kSamples - logged.size());
        for (std::size_t i = 0; i < piece; ++i) {
            walk += noise(random);
            // Some NaN samples, and repeated times as at events.
            const double value = random() % 97 == 0 ? kNaN : walk;
            time += random() % 5 == 0 ? 0.0 : 0.001;
            const double row[] = {0, value};
            results->append(time, row, false);
            logged.push_back(value);
            times.push_back(time);
        }
        ASSERT_EQ(pyramid.update(), logged.size());
        for (int query = 0; query < 25; ++query) {
            std::size_t a = random() % (logged.size() + 1), b = random() % (logged.size() + 1);
            if (query % 3 == 0)
                b = std::min(logged.size(), a + random() % 300);  // short ranges too
            const auto [first, last] = std::minmax(a, b);
            const Extent expected = bruteForce(logged, first, last);
            const Extent got = pyramid.extent(first, last);
            ASSERT_EQ(got.empty(), expected.empty()) << first << ".." << last;
            if (!expected.empty()) {
                ASSERT_EQ(got.min, expected.min) << first << ".." << last;
                ASSERT_EQ(got.max, expected.max) << first << ".." << last;
            }
            const double t = times[random() % times.size()];
            ASSERT_EQ(pyramid.firstAtOrAfter(t),
                      std::size_t(std::lower_bound(times.begin(), times.end(), t) - times.begin()));
            ASSERT_EQ(pyramid.firstAfter(t),
                      std::size_t(std::upper_bound(times.begin(), times.end(), t) - times.begin()));
        }
        // A sweep from left to right, as over pixel columns, each search from the last answer;
        // times between samples, on them and repeated ones alike.
        std::vector<double> sweep(40);
        for (double& t : sweep)
            t = times[random() % times.size()] + (random() % 2 ? 0.0 : 0.0004);
        std::sort(sweep.begin(), sweep.end());
        std::size_t from = 0;
        for (const double t : sweep) {
            const auto expected =
                std::size_t(std::lower_bound(times.begin(), times.end(), t) - times.begin());
            from = pyramid.firstAtOrAfter(t, from);
            ASSERT_EQ(from, expected) << t;
            ASSERT_EQ(pyramid.firstAfter(t, from),
                      std::size_t(std::upper_bound(times.begin(), times.end(), t) - times.begin()));
        }
    }
    // A range past the end is clipped to the samples covered.
    const Extent whole = pyramid.extent(0, kSamples + 100);
    EXPECT_EQ(whole.min, bruteForce(logged, 0, kSamples).min);
    EXPECT_EQ(whole.max, bruteForce(logged, 0, kSamples).max);
}

TEST(MinMaxPyramidTest, RangesOfNaNSamplesOnlyAndAbsentColumnsAreEmpty) {
    auto results = ScopeTest::ResultsBuilder({"x"})
                       .samples(300, 0, 0.5, [](std::size_t i) { return i < 200 ? kNaN : -2.0; })
                       .build();
    MinMaxPyramid pyramid(results, 0);
    pyramid.update();
    EXPECT_TRUE(pyramid.extent(0, 200).empty());
    EXPECT_EQ(pyramid.extent(150, 201).min, -2.0);
    EXPECT_TRUE(pyramid.extent(250, 250).empty());

    MinMaxPyramid absent(results, 1);
    EXPECT_EQ(absent.update(), 0u);
    EXPECT_TRUE(absent.extent(0, 300).empty());
    EXPECT_EQ(absent.firstAtOrAfter(1.0), 0u);
    MinMaxPyramid none(nullptr, 0);
    EXPECT_EQ(none.update(), 0u);
}

TEST(MinMaxPyramidTest, QueriesSeeOnlyTheSamplesOfTheLastUpdate) {
    auto results = ScopeTest::ResultsBuilder({"x"}).sample(0, {1}).sample(1, {2}).build();
    MinMaxPyramid pyramid(results, 0);
    pyramid.update();
    const double later = 100;
    results->append(2, &later, false);
    EXPECT_EQ(pyramid.size(), 2u);
    EXPECT_EQ(pyramid.extent(0, 3).max, 2.0);
    pyramid.update();
    EXPECT_EQ(pyramid.extent(0, 3).max, 100.0);
}

}  // namespace
