#include "scope/PlotTicks.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <cmath>

namespace {

using VantorStudio::PlotRange;
using VantorStudio::PlotTicks;

TEST(PlotTicksTest, StepsAreOneTwoOrFiveTimesAPowerOfTen) {
    EXPECT_DOUBLE_EQ(PlotTicks::niceStep(0.13), 0.2);
    EXPECT_DOUBLE_EQ(PlotTicks::niceStep(3), 5);
    EXPECT_DOUBLE_EQ(PlotTicks::niceStep(7), 10);
    EXPECT_DOUBLE_EQ(PlotTicks::niceStep(1), 1);
    EXPECT_DOUBLE_EQ(PlotTicks::niceStep(0.00041), 0.0005);
    EXPECT_DOUBLE_EQ(PlotTicks::niceStep(120000), 200000);
}

TEST(PlotTicksTest, TicksAreTheMultiplesOfTheStepInsideTheRangeWithLabelsAsFineAsTheStep) {
    const PlotTicks ticks = PlotTicks::of({-0.3, 1.05}, 8);
    EXPECT_DOUBLE_EQ(ticks.step(), 0.2);
    ASSERT_EQ(ticks.values().size(), 7u);
    EXPECT_DOUBLE_EQ(ticks.values().front(), -0.2);
    EXPECT_EQ(ticks.values()[1], 0.0);
    EXPECT_EQ(ticks.label(ticks.values()[0]), "-0.2");
    EXPECT_EQ(ticks.label(ticks.values()[6]), "1.0");
    EXPECT_EQ(PlotTicks::of({0, 10}, 6).label(4), "4");
    EXPECT_EQ(PlotTicks::of({0, 0.1}, 6).label(0.04), "0.04");
    EXPECT_EQ(PlotTicks::of({0, 3e7}, 4).label(2e7), "2e+07");
    // A narrow range far from 0: the end ticks miss its ends by rounding only.
    const PlotTicks far = PlotTicks::of({-981.052, -981.052 + 3.0e-5}, 4);
    ASSERT_FALSE(far.values().empty());
    EXPECT_NEAR(far.values().front(), -981.052, 1e-12 * 981.052);
    EXPECT_TRUE(PlotTicks::of({1, 1}, 5).values().empty());
    EXPECT_TRUE(PlotTicks::of({0, INFINITY}, 5).values().empty());
}

RC_GTEST_PROP(PlotTicksTest, TicksAreFewEnoughEvenlySpacedAndInsideTheRange, ()) {
    const double low = *rc::gen::inRange(-1000000, 1000000) / 1000.0;
    const double span = std::pow(10.0, *rc::gen::inRange(-6000, 6000) / 1000.0);
    const int maxTicks = *rc::gen::inRange(4, 20);
    const PlotTicks ticks = PlotTicks::of({low, low + span}, maxTicks);
    RC_ASSERT(ticks.values().size() <= std::size_t(maxTicks));
    RC_ASSERT(!ticks.values().empty());
    const double mantissa = ticks.step() / std::pow(10.0, std::floor(std::log10(ticks.step())));
    RC_ASSERT((std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
               std::abs(mantissa - 5) < 1e-9));
    // A tick on an end of the range may miss it by the rounding of k * step at the range's
    // magnitude (a tick at -981.052 in a range 3e-5 wide).
    const double slack = span * 1e-9 + std::abs(low) * 1e-12;
    for (std::size_t i = 0; i < ticks.values().size(); ++i) {
        const double tick = ticks.values()[i];
        RC_ASSERT(tick >= low - slack && tick <= low + span + slack);
        RC_ASSERT(std::abs(std::remainder(tick, ticks.step())) <= ticks.step() * 1e-6);
        if (i > 0)
            RC_ASSERT(std::abs(tick - ticks.values()[i - 1] - ticks.step()) <= ticks.step() * 1e-6);
    }
}

}  // namespace
