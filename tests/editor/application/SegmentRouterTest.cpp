#include <gtest/gtest.h>

#include "application/DPointPathEndpoint.h"
#include "application/GraphElementPathEndpoint.h"
#include "application/SegmentRouter.h"
#include "editor/application/LineTestBuilder.h"

using Vantor::DPointPathEndpoint;
using Vantor::GraphElementPathEndpoint;
using Vantor::SegmentRouter;
using VantorTest::LineTestBuilder;
using VantorTest::xy;
using VantorTest::XY;
using VantorTest::xys;
using VantorTest::XYs;

namespace {

using Point = SegmentRouter::Point;
using Rect = SegmentRouter::Rect;
using Walk = SegmentRouter::Walk;
using End = SegmentRouter::End;

XYs connect(Point a, Point b, bool hA, bool hB) {
    return xys(SegmentRouter::connectOrthogonally(a, b, hA, hB));
}

// --- connectOrthogonally --------------------------------------------------------------------

TEST(ConnectOrthogonally, BothHorizontalJogsAtTheMiddleX) {
    EXPECT_EQ(connect({0, 0}, {100, 40}, true, true), (XYs{{0, 0}, {50, 0}, {50, 40}, {100, 40}}));
}

TEST(ConnectOrthogonally, BothVerticalJogsAtTheMiddleY) {
    EXPECT_EQ(connect({0, 0}, {100, 40}, false, false),
              (XYs{{0, 0}, {0, 20}, {100, 20}, {100, 40}}));
}

TEST(ConnectOrthogonally, SmallVerticalOffsetGivesOneBendAtTheTargetX) {
    EXPECT_EQ(connect({0, 0}, {100, 3}, true, true), (XYs{{0, 0}, {100, 0}, {100, 3}}));
}

TEST(ConnectOrthogonally, SmallHorizontalOffsetGivesOneBendAtTheSourceX) {
    EXPECT_EQ(connect({0, 0}, {3, 100}, false, false), (XYs{{0, 0}, {0, 100}, {3, 100}}));
}

TEST(ConnectOrthogonally, OffsetOfExactlyFiveStillJogs) {
    EXPECT_EQ(connect({0, 0}, {5, 40}, true, true), (XYs{{0, 0}, {2.5, 0}, {2.5, 40}, {5, 40}}));
}

TEST(ConnectOrthogonally, HorizontalSourceAndVerticalTargetBendOnceAtTargetX) {
    EXPECT_EQ(connect({0, 0}, {100, 40}, true, false), (XYs{{0, 0}, {100, 0}, {100, 40}}));
}

TEST(ConnectOrthogonally, VerticalSourceAndHorizontalTargetBendOnceAtSourceX) {
    EXPECT_EQ(connect({0, 0}, {100, 40}, false, true), (XYs{{0, 0}, {0, 40}, {100, 40}}));
}

TEST(ConnectOrthogonally, SmallVerticalOffsetWinsOverAHorizontalTarget) {
    EXPECT_EQ(connect({0, 0}, {100, 4}, false, true), (XYs{{0, 0}, {100, 0}, {100, 4}}));
}

TEST(ConnectOrthogonally, AlignedEndsGiveTwoPoints) {
    EXPECT_EQ(connect({0, 7}, {100, 7}, true, true), (XYs{{0, 7}, {100, 7}}));
    EXPECT_EQ(connect({7, 0}, {7, 100}, false, false), (XYs{{7, 0}, {7, 100}}));
}

TEST(ConnectOrthogonally, EqualEndsGiveTheRepeatedPoint) {
    EXPECT_EQ(connect({4, 4}, {4, 4}, true, false), (XYs{{4, 4}, {4, 4}}));
}

// --- trimReusedPath -------------------------------------------------------------------------

const PARR::Path kPrevious{{0, 0}, {50, 0}, {50, 40}, {100, 40}};

TEST(TrimReusedPath, MovedSourceKeepsTheCornerAtTheBandEdge) {
    const auto t = SegmentRouter::trimReusedPath(kPrevious, Walk::Forwards, {0, 20});
    EXPECT_EQ(xys(t.kept), (XYs{{50, 20}, {50, 40}, {100, 40}}));
    EXPECT_EQ(xy(t.joinPoint), XY(50, 20));
    EXPECT_FALSE(t.joinHorizontal);
}

TEST(TrimReusedPath, MovedDestinationWalksBackwardsAndKeepsTheRouteDirection) {
    const auto t = SegmentRouter::trimReusedPath(kPrevious, Walk::Backwards, {100, 20});
    EXPECT_EQ(xys(t.kept), (XYs{{0, 0}, {50, 0}, {50, 20}}));
    EXPECT_EQ(xy(t.joinPoint), XY(50, 20));
    EXPECT_FALSE(t.joinHorizontal);
}

TEST(TrimReusedPath, CornerCloserThanTenToTheNextPointIsLeftOut) {
    const PARR::Path previous{{0, 0}, {50, 0}, {50, 15}, {100, 15}};
    const auto t = SegmentRouter::trimReusedPath(previous, Walk::Forwards, {0, 8});
    EXPECT_EQ(xys(t.kept), (XYs{{50, 15}, {100, 15}}));
    EXPECT_EQ(xy(t.joinPoint), XY(50, 15));
    EXPECT_TRUE(t.joinHorizontal);
}

TEST(TrimReusedPath, CornerExactlyTenFromTheNextPointIsKept) {
    const PARR::Path previous{{0, 0}, {50, 0}, {50, 18}, {100, 18}};
    const auto t = SegmentRouter::trimReusedPath(previous, Walk::Forwards, {0, 8});
    EXPECT_EQ(xys(t.kept), (XYs{{50, 8}, {50, 18}, {100, 18}}));
}

TEST(TrimReusedPath, CornerGoesToTheBandMinimumWhenTheRouteHeadsBelowIt) {
    const PARR::Path previous{{0, 50}, {50, 50}, {50, 0}, {100, 0}};
    const auto t = SegmentRouter::trimReusedPath(previous, Walk::Forwards, {0, 30});
    EXPECT_EQ(xys(t.kept), (XYs{{50, 30}, {50, 0}, {100, 0}}));
}

TEST(TrimReusedPath, PointClearOfBothBandsEndsTheTrimUnchanged) {
    const PARR::Path previous{{0, 0}, {30, 30}, {60, 30}, {60, 60}};
    const auto t = SegmentRouter::trimReusedPath(previous, Walk::Forwards, {5, 5});
    EXPECT_EQ(xys(t.kept), (XYs{{30, 30}, {60, 30}, {60, 60}}));
    EXPECT_TRUE(t.joinHorizontal);
}

TEST(TrimReusedPath, PointsInsideTheBandsAfterTheTrimStoppedAreKept) {
    const PARR::Path previous{{0, 0}, {0, 50}, {100, 50}, {100, 5}, {200, 5}};
    const auto t = SegmentRouter::trimReusedPath(previous, Walk::Forwards, {0, 10});
    EXPECT_EQ(xys(t.kept), (XYs{{0, 50}, {100, 50}, {100, 5}, {200, 5}}));
    EXPECT_EQ(xy(t.joinPoint), XY(0, 50));
    EXPECT_TRUE(t.joinHorizontal);
}

TEST(TrimReusedPath, RouteOfTwoPointsIsNotReused) {
    const auto t = SegmentRouter::trimReusedPath({{0, 0}, {100, 0}}, Walk::Forwards, {0, 10});
    EXPECT_TRUE(t.kept.empty());
}

TEST(TrimReusedPath, RouteInsideTheBandsLeavesTooLittleToReuse) {
    const PARR::Path previous{{0, 0}, {0, 30}, {0, 60}};
    const auto t = SegmentRouter::trimReusedPath(previous, Walk::Forwards, {0, 100});
    EXPECT_TRUE(t.kept.empty());
}

// --- reusePreviousRoute ----------------------------------------------------------------------

// The reuse step on kPrevious between free points at `a` and `b`, with the join points and
// flags it leaves.
struct Reuse {
    Point a, b;
    bool hA, hB;
    SegmentRouter::ReusedRoute route;
};
Reuse reuse(Point a, Point b, bool hA, bool hB) {
    Reuse r{a, b, hA, hB, {}};
    r.route = SegmentRouter::reusePreviousRoute(kPrevious, DPointPathEndpoint(a),
                                                DPointPathEndpoint(b), r.a, r.b, r.hA, r.hB);
    return r;
}

TEST(ReusePreviousRoute, AMovedSourceAimsTheConnectorAtTheKeptDestinationSide) {
    const Reuse r = reuse({0, 20}, {100, 40}, true, true);
    EXPECT_TRUE(r.route.destinationSide);
    EXPECT_EQ(xys(r.route.kept), (XYs{{50, 20}, {50, 40}, {100, 40}}));
    EXPECT_EQ(xy(r.b), XY(50, 20));
    EXPECT_FALSE(r.hB);
    EXPECT_EQ(xy(r.a), XY(0, 20));
    EXPECT_TRUE(r.hA);
}

TEST(ReusePreviousRoute, ARouteMeetingNeitherEndKeepsNothingAndMovesNoJoinPoint) {
    const Reuse r = reuse({0, 20}, {100, 30}, true, false);
    EXPECT_TRUE(r.route.kept.empty());
    EXPECT_EQ(xy(r.a), XY(0, 20));
    EXPECT_EQ(xy(r.b), XY(100, 30));
    EXPECT_TRUE(r.hA);
    EXPECT_FALSE(r.hB);
}

// --- legCrossesRect -------------------------------------------------------------------------

const Rect kBlock{0, 0, 30, 30};

TEST(LegCrossesRect, LegThroughTheBlockCrosses) {
    EXPECT_TRUE(SegmentRouter::legCrossesRect({-10, 15}, {40, 15}, kBlock));
    EXPECT_TRUE(SegmentRouter::legCrossesRect({15, 40}, {15, 10}, kBlock));
}

TEST(LegCrossesRect, LegBesideTheBlockDoesNotCross) {
    EXPECT_FALSE(SegmentRouter::legCrossesRect({-10, -5}, {40, -5}, kBlock));
    EXPECT_FALSE(SegmentRouter::legCrossesRect({35, 15}, {80, 15}, kBlock));
}

TEST(LegCrossesRect, LegEndingOnAnEdgeCrosses) {
    EXPECT_TRUE(SegmentRouter::legCrossesRect({-10, 15}, {0, 15}, kBlock));
}

TEST(LegCrossesRect, LegTouchingACornerCrosses) {
    EXPECT_TRUE(SegmentRouter::legCrossesRect({30, 30}, {50, 50}, kBlock));
}

TEST(LegCrossesRect, LegRunningAlongAnEdgeBetweenCornersDoesNotCross) {
    EXPECT_FALSE(SegmentRouter::legCrossesRect({5, 0}, {25, 0}, kBlock));
}

TEST(LegCrossesRect, ZeroSizeRectangleIsNeverCrossed) {
    EXPECT_FALSE(SegmentRouter::legCrossesRect({0, 10}, {20, 10}, Rect(10, 10, 0, 0)));
}

// --- routeAroundEndpoint --------------------------------------------------------------------

class RouteAroundEndpoint : public ::testing::Test {
protected:
    LineTestBuilder b;
};

TEST_F(RouteAroundEndpoint, HorizontalSourcePortDetoursBelowItsBlock) {
    const DOVE2::GraphElement out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {30, 15}, 0);
    const GraphElementPathEndpoint end(out);
    Point p{35, 15};
    bool h = true;
    const auto middle = SegmentRouter::connectOrthogonally(p, {-100, 100}, true, true);
    const auto detour =
        SegmentRouter::routeAroundEndpoint(middle, end, End::Source, p, {-100, 100}, h);
    EXPECT_EQ(xys(detour), (XYs{{35, 15}, {50, 15}, {50, 70}}));
    EXPECT_EQ(xy(p), XY(50, 70));
    EXPECT_FALSE(h);
}

TEST_F(RouteAroundEndpoint, VerticalSourcePortDetoursBesideItsBlockTowardsTheOtherEnd) {
    const DOVE2::GraphElement out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {15, 30}, 270);
    const GraphElementPathEndpoint end(out);
    Point p{15, 35};
    bool h = false;
    const auto middle = SegmentRouter::connectOrthogonally(p, {100, -100}, false, false);
    const auto detour =
        SegmentRouter::routeAroundEndpoint(middle, end, End::Source, p, {100, -100}, h);
    EXPECT_EQ(xys(detour), (XYs{{15, 35}, {15, 50}, {50, 50}}));
    EXPECT_EQ(xy(p), XY(50, 50));
    EXPECT_TRUE(h);
}

TEST_F(RouteAroundEndpoint, VerticalPortDetoursLeftWhenTheOtherEndIsNotToTheRight) {
    const DOVE2::GraphElement out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {15, 30}, 270);
    const GraphElementPathEndpoint end(out);
    Point p{15, 35};
    bool h = false;
    const auto middle = SegmentRouter::connectOrthogonally(p, {15, -100}, false, false);
    const auto detour =
        SegmentRouter::routeAroundEndpoint(middle, end, End::Source, p, {15, -100}, h);
    EXPECT_EQ(xys(detour), (XYs{{15, 35}, {15, 50}, {-20, 50}}));
}

TEST_F(RouteAroundEndpoint, DestinationDetourEndsAtThePortStem) {
    const DOVE2::GraphElement in = b.blockWithPort(VTQUILL::kInPort, {200, 0}, {0, 15}, 180);
    const GraphElementPathEndpoint end(in);
    Point p{185, 15};
    bool h = true;
    const auto middle = SegmentRouter::connectOrthogonally({300, 100}, p, true, true);
    const auto detour =
        SegmentRouter::routeAroundEndpoint(middle, end, End::Destination, p, {300, 100}, h);
    EXPECT_EQ(xys(detour), (XYs{{180, 70}, {180, 15}, {185, 15}}));
    EXPECT_EQ(xy(p), XY(180, 70));
    EXPECT_FALSE(h);
}

TEST_F(RouteAroundEndpoint, ClearLegNeedsNoDetour) {
    const DOVE2::GraphElement out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {30, 15}, 0);
    const GraphElementPathEndpoint end(out);
    Point p{35, 15};
    bool h = true;
    const auto middle = SegmentRouter::connectOrthogonally(p, {100, 40}, true, true);
    EXPECT_TRUE(
        SegmentRouter::routeAroundEndpoint(middle, end, End::Source, p, {100, 40}, h).empty());
    EXPECT_EQ(xy(p), XY(35, 15));
    EXPECT_TRUE(h);
}

TEST(RouteAroundFreePoint, FreePointIsNeverDetouredAround) {
    const DPointPathEndpoint end({15, 15});
    Point p{15, 15};
    bool h = true;
    const PARR::Path middle{{15, 15}, {-50, 15}};
    EXPECT_TRUE(
        SegmentRouter::routeAroundEndpoint(middle, end, End::Source, p, {-50, 15}, h).empty());
    EXPECT_TRUE(h);
}

TEST_F(RouteAroundEndpoint, MiddleOfOnePointNeedsNoDetour) {
    const DOVE2::GraphElement out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {30, 15}, 0);
    const GraphElementPathEndpoint end(out);
    Point p{35, 15};
    bool h = true;
    EXPECT_TRUE(
        SegmentRouter::routeAroundEndpoint({{35, 15}}, end, End::Source, p, {0, 0}, h).empty());
}

// --- rounding and simplifying ------------------------------------------------------------

TEST(RoundAndSimplify, MergesRepeatedPointsAndStraightRuns) {
    const PARR::Path raw{{0.4, 0}, {10, 0.2}, {10, 0}, {20, 0}, {20, 10}};
    EXPECT_EQ(xys(SegmentRouter::roundAndSimplify(raw)), (XYs{{0, 0}, {20, 0}, {20, 10}}));
}

}  // namespace
