#include <gtest/gtest.h>

#include "application/SegmentSplitter.h"
#include "editor/application/LineTestBuilder.h"

using Vantor::SegmentSplitter;
using VantorTest::LineTestBuilder;
using VantorTest::xy;
using VantorTest::XY;
using VantorTest::xys;
using VantorTest::XYs;

namespace {

using Point = SegmentSplitter::Point;

XY snap(Point point, Point p, Point q) {
    return xy(SegmentSplitter::snapPointToLeg(point, p, q));
}

// Projections go through unit vectors and square roots, so they are exact only to rounding.
void expectNear(const XY& actual, const XY& expected) {
    EXPECT_NEAR(actual.first, expected.first, 1e-9);
    EXPECT_NEAR(actual.second, expected.second, 1e-9);
}

// --- snapPointToLeg -------------------------------------------------------------------------

TEST(SnapPointToLeg, PointBesideTheLegMovesToTheFootOfThePerpendicular) {
    expectNear(snap({5, 3}, {0, 0}, {10, 0}), XY(5, 0));
    expectNear(snap({-2, 7}, {0, 10}, {0, 0}), XY(0, 7));
}

TEST(SnapPointToLeg, PointBeyondTheLegEndIsProjectedNotClamped) {
    expectNear(snap({15, 3}, {0, 0}, {10, 0}), XY(15, 0));
}

TEST(SnapPointToLeg, PointBehindTheLegStartGoesToTheNearerEnd) {
    EXPECT_EQ(snap({-5, 3}, {0, 0}, {10, 0}), XY(0, 0));
}

TEST(SnapPointToLeg, PointAtRightAnglesToTheLegStartSnapsToIt) {
    EXPECT_EQ(snap({0, 5}, {0, 0}, {10, 0}), XY(0, 0));
}

TEST(SnapPointToLeg, PointOnAnEndStaysWhereItIs) {
    EXPECT_EQ(snap({10, 0}, {0, 0}, {10, 0}), XY(10, 0));
    EXPECT_EQ(snap({0, 0}, {0, 0}, {10, 0}), XY(0, 0));
}

TEST(SnapPointToLeg, LegOfOnePointGivesThatPoint) {
    EXPECT_EQ(snap({5, 5}, {2, 2}, {2, 2}), XY(2, 2));
}

TEST(SnapPointToLeg, PointWithinATenThousandthOfTheLegStartSnapsToIt) {
    EXPECT_EQ(snap({0.00005, 0.00005}, {0, 0}, {10, 0}), XY(0, 0));
}

TEST(SnapPointToLeg, LegShorterThanATenThousandthHasNoDirection) {
    EXPECT_EQ(snap({5, 5}, {0, 0}, {0.00005, 0}), XY(0, 0));
}

// --- splitPathAtNearestLeg ------------------------------------------------------------------

const PARR::Path kVertices{{10, 0}, {10, 20}};
const Point kSource{0, 0};
const Point kDestination{30, 20};

SegmentSplitter::Split split(Point point) {
    return SegmentSplitter::splitPathAtNearestLeg(kVertices, kSource, kDestination, point);
}

TEST(SplitPathAtNearestLeg, MiddleLegDividesTheVertices) {
    const auto s = split({12, 10});
    EXPECT_EQ(xys(s.before), (XYs{{10, 0}}));
    EXPECT_EQ(xys(s.after), (XYs{{10, 20}}));
    expectNear(xy(s.point), XY(10, 10));
}

TEST(SplitPathAtNearestLeg, FirstLegLeavesNothingBefore) {
    const auto s = split({4, -1});
    EXPECT_TRUE(s.before.empty());
    EXPECT_EQ(xys(s.after), (XYs{{10, 0}, {10, 20}}));
    expectNear(xy(s.point), XY(4, 0));
}

TEST(SplitPathAtNearestLeg, LastLegLeavesNothingAfter) {
    const auto s = split({25, 22});
    EXPECT_EQ(xys(s.before), (XYs{{10, 0}, {10, 20}}));
    EXPECT_TRUE(s.after.empty());
    expectNear(xy(s.point), XY(25, 20));
}

TEST(SplitPathAtNearestLeg, PointOnAVertexGoesToTheEarlierLeg) {
    const auto s = split({10, 0});
    EXPECT_TRUE(s.before.empty());
    EXPECT_EQ(xys(s.after), (XYs{{10, 0}, {10, 20}}));
    EXPECT_EQ(xy(s.point), XY(10, 0));
}

TEST(SplitPathAtNearestLeg, PointEquallyNearTwoLegsGoesToTheEarlier) {
    // (5, 5) is 5 from the first leg (y = 0) and 5 from the second (x = 10).
    const auto s = split({5, 5});
    EXPECT_TRUE(s.before.empty());
    expectNear(xy(s.point), XY(5, 0));
}

TEST(SplitPathAtNearestLeg, NearestPointOfALegIsClampedToItsEnds) {
    // Projected onto the line of the last leg (y = 20) the point would be 0 away, but the leg
    // ends at x = 10; the middle leg is nearer.
    const auto s =
        SegmentSplitter::splitPathAtNearestLeg(kVertices, kSource, kDestination, {8, 19});
    EXPECT_EQ(xys(s.before), (XYs{{10, 0}}));
    expectNear(xy(s.point), XY(10, 19));
}

TEST(SplitPathAtNearestLeg, NoVerticesLeavesBothHalvesEmpty) {
    const auto s = SegmentSplitter::splitPathAtNearestLeg({}, {0, 0}, {100, 0}, {40, 10});
    EXPECT_TRUE(s.before.empty());
    EXPECT_TRUE(s.after.empty());
    expectNear(xy(s.point), XY(40, 0));
}

TEST(SquaredDistanceToLeg, MeasuresToTheNearestPointOfTheLeg) {
    EXPECT_EQ(SegmentSplitter::squaredDistanceToLeg({5, 3}, {0, 0}, {10, 0}), 9);
    EXPECT_EQ(SegmentSplitter::squaredDistanceToLeg({13, 4}, {0, 0}, {10, 0}), 25);
    EXPECT_EQ(SegmentSplitter::squaredDistanceToLeg({3, 4}, {0, 0}, {0, 0}), 25);
}

class SplitSegmentLegs : public ::testing::Test {
protected:
    LineTestBuilder b;
};

TEST_F(SplitSegmentLegs, LegsRunBetweenTheAbsolutePositionsOfTheEnds) {
    // The out port's stem would be at (35, 15); the legs start at the port itself.
    auto out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {30, 15}, 0);
    auto in = b.blockWithPort(VTQUILL::kInPort, {100, 0}, {0, 15}, 180);
    auto s = b.segment(b.line(), out, in, {{60, 15}});
    const auto parts = SegmentSplitter::splitPathAtNearestLeg(s, {32, 20});
    EXPECT_TRUE(parts.before.empty());
    EXPECT_EQ(xys(parts.after), (XYs{{60, 15}}));
    expectNear(xy(parts.point), XY(32, 15));
}

TEST_F(SplitSegmentLegs, DetachedEndContributesNoLeg) {
    VTQUILL::Segment s = b.line().addSegment();
    s.addSrcTerminator({0, 0});
    s.setPath({{50, 0}, {50, 50}});
    // Without a destination the only legs are (0,0)-(50,0) and (50,0)-(50,50).
    const auto parts = SegmentSplitter::splitPathAtNearestLeg(s, {60, 40});
    EXPECT_EQ(xys(parts.before), (XYs{{50, 0}}));
    EXPECT_EQ(xys(parts.after), (XYs{{50, 50}}));
    expectNear(xy(parts.point), XY(50, 40));
}

}  // namespace
