// Application::getSegmentRoute (the router's driver) and getCompleteSegmentPath.
#include <gtest/gtest.h>

#include "application/Application.h"
#include "application/DPointPathEndpoint.h"
#include "application/GraphElementPathEndpoint.h"
#include "editor/application/LineTestBuilder.h"

using Vantor::Application;
using Vantor::DPointPathEndpoint;
using Vantor::GraphElementPathEndpoint;
using VantorTest::LineTestBuilder;
using VantorTest::xys;
using VantorTest::XYs;

namespace {

using Point = Application::Point;

XYs routeBetweenPoints(Point a, Point b, bool hA, bool hB, const PARR::Path& previous = {}) {
    return xys(Application::getSegmentRoute(DPointPathEndpoint(a), DPointPathEndpoint(b), previous,
                                            hA, hB));
}

// --- without a previous route ---------------------------------------------------------------

TEST(SegmentRoute, FreePointsWithHorizontalEndsJogAtTheMiddle) {
    EXPECT_EQ(routeBetweenPoints({0, 0}, {100, 40}, true, true),
              (XYs{{0, 0}, {50, 0}, {50, 40}, {100, 40}}));
}

TEST(SegmentRoute, NearlyLevelFreePointsBendOnce) {
    EXPECT_EQ(routeBetweenPoints({0, 0}, {100, 3}, true, true), (XYs{{0, 0}, {100, 0}, {100, 3}}));
}

TEST(SegmentRoute, NearlyPlumbFreePointsWithVerticalEndsBendOnce) {
    EXPECT_EQ(routeBetweenPoints({0, 0}, {3, 100}, false, false),
              (XYs{{0, 0}, {0, 100}, {3, 100}}));
}

TEST(SegmentRoute, HorizontalSourceAndVerticalDestinationAlwaysBendAtTheDestinationX) {
    EXPECT_EQ(routeBetweenPoints({0, 0}, {2, 100}, true, false), (XYs{{0, 0}, {2, 0}, {2, 100}}));
}

TEST(SegmentRoute, HalfUnitJogsRoundAwayFromZero) {
    EXPECT_EQ(routeBetweenPoints({0, 0}, {5, 40}, true, true),
              (XYs{{0, 0}, {3, 0}, {3, 40}, {5, 40}}));
    EXPECT_EQ(routeBetweenPoints({0, 0}, {-5, 40}, true, true),
              (XYs{{0, 0}, {-3, 0}, {-3, 40}, {-5, 40}}));
}

TEST(SegmentRoute, FractionalEndsAreRounded) {
    EXPECT_EQ(routeBetweenPoints({0.5, -0.5}, {99.4, 39.6}, true, true),
              (XYs{{1, -1}, {50, -1}, {50, 40}, {99, 40}}));
}

TEST(SegmentRoute, InvalidEndpointGivesNoRoute) {
    const DOVE2::GraphElement none;
    EXPECT_TRUE(Application::getSegmentRoute(GraphElementPathEndpoint(none),
                                             DPointPathEndpoint({1, 1}), {}, true, true)
                    .empty());
    EXPECT_TRUE(Application::getSegmentRoute(DPointPathEndpoint({1, 1}),
                                             GraphElementPathEndpoint(none), {}, true, true)
                    .empty());
}

// --- with a previous route ------------------------------------------------------------------

const PARR::Path kPrevious{{0, 0}, {50, 0}, {50, 40}, {100, 40}};

TEST(SegmentRouteReuse, MovedSourceReusesTheUnmovedPartOfThePreviousRoute) {
    EXPECT_EQ(routeBetweenPoints({0, 20}, {100, 40}, true, true, kPrevious),
              (XYs{{0, 20}, {50, 20}, {50, 40}, {100, 40}}));
}

TEST(SegmentRouteReuse, MovedDestinationReusesTheUnmovedPartOfThePreviousRoute) {
    EXPECT_EQ(routeBetweenPoints({0, 0}, {100, 20}, true, true, kPrevious),
              (XYs{{0, 0}, {50, 0}, {50, 20}, {100, 20}}));
}

TEST(SegmentRouteReuse, UnmovedRouteKeepsItsOwnBends) {
    const PARR::Path previous{{0, 0}, {20, 0}, {20, 40}, {100, 40}};
    EXPECT_EQ(routeBetweenPoints({0, 0}, {100, 40}, true, true, previous), xys(previous));
}

TEST(SegmentRouteReuse, PreviousRouteOfTwoPointsIsRecomputed) {
    EXPECT_EQ(routeBetweenPoints({0, 0}, {100, 60}, true, true, {{0, 0}, {100, 40}}),
              (XYs{{0, 0}, {50, 0}, {50, 60}, {100, 60}}));
}

TEST(SegmentRouteReuse, PreviousRouteMatchingNeitherEndIsIgnored) {
    const PARR::Path previous{{0, 5}, {20, 5}, {20, 40}, {100, 41}};
    EXPECT_EQ(routeBetweenPoints({0, 0}, {100, 40}, true, true, previous),
              (XYs{{0, 0}, {50, 0}, {50, 40}, {100, 40}}));
}

TEST(SegmentRouteReuse, NearCornerIsDroppedAndTheConnectorMeetsTheNextPoint) {
    const PARR::Path previous{{0, 0}, {50, 0}, {50, 15}, {100, 15}};
    // The corner (50, 8) would lie 7 from (50, 15): the kept part starts at (50, 15), joined
    // horizontally, and the connector jogs half-way to it.
    EXPECT_EQ(routeBetweenPoints({0, 8}, {100, 15}, true, true, previous),
              (XYs{{0, 8}, {25, 8}, {25, 15}, {100, 15}}));
}

// --- detours around blocks ------------------------------------------------------------------

class SegmentRouteDetour : public ::testing::Test {
protected:
    LineTestBuilder b;

    XYs route(const DOVE2::GraphElement& src, Point dst, bool hSrc, bool hDst,
              const PARR::Path& previous = {}) {
        return xys(Application::getSegmentRoute(GraphElementPathEndpoint(src),
                                                DPointPathEndpoint(dst), previous, hSrc, hDst));
    }
};

TEST_F(SegmentRouteDetour, ClearFirstLegIsNotDetoured) {
    const DOVE2::GraphElement out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {30, 15}, 0);
    EXPECT_EQ(route(out, {100, 40}, true, true), (XYs{{35, 15}, {68, 15}, {68, 40}, {100, 40}}));
}

TEST_F(SegmentRouteDetour, HorizontalPortGoesOutTwentyThenFortyBelowItsBlock) {
    const DOVE2::GraphElement out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {30, 15}, 0);
    EXPECT_EQ(route(out, {-100, 100}, true, true),
              (XYs{{35, 15}, {50, 15}, {50, 100}, {-100, 100}}));
}

TEST_F(SegmentRouteDetour, VerticalPortGoesOutTwentyThenBesideItsBlockTowardsTheOtherEnd) {
    const DOVE2::GraphElement out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {15, 30}, 270);
    EXPECT_EQ(route(out, {100, -100}, false, false),
              (XYs{{15, 35}, {15, 50}, {100, 50}, {100, -100}}));
}

TEST_F(SegmentRouteDetour, DestinationPortIsDetouredAround) {
    const DOVE2::GraphElement in = b.blockWithPort(VTQUILL::kInPort, {200, 0}, {0, 15}, 180);
    const auto route = Application::getSegmentRoute(DPointPathEndpoint({300, 100}),
                                                    GraphElementPathEndpoint(in), {}, true, true);
    EXPECT_EQ(xys(route), (XYs{{300, 100}, {180, 100}, {180, 15}, {185, 15}}));
}

TEST_F(SegmentRouteDetour, DestinationDetourIsTestedAgainstTheConnectorAfterTheSourceDetour) {
    const DOVE2::GraphElement out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {30, 15}, 0);
    const DOVE2::GraphElement in = b.blockWithPort(VTQUILL::kInPort, {-200, 100}, {0, 15}, 180);
    const auto route = Application::getSegmentRoute(GraphElementPathEndpoint(out),
                                                    GraphElementPathEndpoint(in), {}, true, true);
    // The destination detour comes back up along its own stem: a spike the line clean-up
    // removes.
    EXPECT_EQ(
        xys(route),
        (XYs{{35, 15}, {50, 15}, {50, 120}, {-220, 120}, {-220, 170}, {-220, 115}, {-215, 115}}));
}

TEST_F(SegmentRouteDetour, ReusedDestinationSideStillDetoursAroundTheMovedSource) {
    const DOVE2::GraphElement out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {30, 15}, 0);
    // The block moved right past the kept route's start: the source was at (-65, 15) before.
    const PARR::Path previous{{-60, 15}, {-20, 15}, {-20, 100}, {-100, 100}};
    EXPECT_EQ(route(out, {-100, 100}, true, true, previous),
              (XYs{{35, 15}, {50, 15}, {50, 100}, {-100, 100}}));
}

// --- getCompleteSegmentPath -----------------------------------------------------------------

class CompleteSegmentPath : public ::testing::Test {
protected:
    LineTestBuilder b;
    VTQUILL::Port out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {30, 15}, 0);
    VTQUILL::Port in = b.blockWithPort(VTQUILL::kInPort, {200, 100}, {0, 15}, 180);
};

TEST_F(CompleteSegmentPath, EndsAreThePortStems) {
    auto s = b.segment(b.line(), out, in, {{100, 15}, {100, 115}});
    EXPECT_EQ(xys(Application::getCompleteSegmentPath(s)),
              (XYs{{35, 15}, {100, 15}, {100, 115}, {185, 115}}));
}

TEST_F(CompleteSegmentPath, SegmentWithoutVerticesIsItsTwoEnds) {
    auto s = b.segment(b.line(), out, in);
    EXPECT_EQ(xys(Application::getCompleteSegmentPath(s)), (XYs{{35, 15}, {185, 115}}));
}

TEST_F(CompleteSegmentPath, VertexOnAnEndIsNotRepeated) {
    auto s = b.segment(b.line(), out, in, {{35, 15}, {100, 15}, {100, 115}, {185, 115}});
    EXPECT_EQ(xys(Application::getCompleteSegmentPath(s)),
              (XYs{{35, 15}, {100, 15}, {100, 115}, {185, 115}}));
}

TEST_F(CompleteSegmentPath, DetachedEndIsLeftOut) {
    VTQUILL::Segment s = b.line().addSegment();
    s.setSrcElement(out);
    s.setPath({{100, 15}});
    EXPECT_EQ(xys(Application::getCompleteSegmentPath(s)), (XYs{{35, 15}, {100, 15}}));
}

}  // namespace
