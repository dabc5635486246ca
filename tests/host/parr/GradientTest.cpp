#include "parr/Gradient.h"

#include <gtest/gtest.h>

namespace PARR {
namespace {

TEST(GradientStops, KeepsStopsOrderedByPosition) {
    Gradient g;
    g.addStop(1.0, Color(1.0, 0.87, 0.568, 0.7));
    g.addStop(0.2, Color(1.0, 0.97, 0.892, 0.7));
    g.addStop(0.5, Color(0, 0, 0, 1));
    ASSERT_EQ(g.stops().size(), 3u);
    EXPECT_EQ(g.stops()[0].position, 0.2);
    EXPECT_EQ(g.stops()[0].color, Color(1.0, 0.97, 0.892, 0.7));
    EXPECT_EQ(g.stops()[1].position, 0.5);
    EXPECT_EQ(g.stops()[2].position, 1.0);
}

TEST(GradientStops, AStopAtAUsedPositionGoesAfterTheOthersThere) {
    Gradient g;
    g.addStop(0.5, Color(1, 0, 0, 1));
    g.addStop(0.5, Color(0, 1, 0, 1));
    EXPECT_EQ(g.stops()[0].color, Color(1, 0, 0, 1));
    EXPECT_EQ(g.stops()[1].color, Color(0, 1, 0, 1));
}

TEST(GradientStops, ClampsPositionsIntoTheUnitRange) {
    Gradient g;
    g.addStop(1.5, Color());
    g.addStop(-2, Color());
    EXPECT_EQ(g.stops()[0].position, 0.0);
    EXPECT_EQ(g.stops()[1].position, 1.0);
}

TEST(GradientSettings, KeepsTypeFlagPointsAndCoordinateMode) {
    Gradient g;
    EXPECT_EQ(g.type(), Gradient::Linear);
    EXPECT_FALSE(g.flag());
    g.setType(0);
    g.setFlag(true);
    g.setStart({0, 0});
    g.setEnd({0, 1});
    g.setCoordinateMode(Gradient::ObjectBoundingMode);
    EXPECT_TRUE(g.flag());
    EXPECT_EQ(g.start(), GLPoint<double>(0, 0));
    EXPECT_EQ(g.end(), GLPoint<double>(0, 1));
    EXPECT_EQ(g.coordinateMode(), 2);
}

TEST(GradientEquality, ComparesEverySetting) {
    Gradient a;
    a.addStop(0.3, Color(1, 1, 1, 0.7));
    Gradient b = a;
    EXPECT_EQ(a, b);
    b.setEnd({0, 1});
    EXPECT_NE(a, b);
}

}  // namespace
}  // namespace PARR
