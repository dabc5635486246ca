#include <gtest/gtest.h>

#include <stdexcept>

#include "application/Application.h"
#include "editor/application/LineTestBuilder.h"

using Vantor::Application;
using VantorTest::LineTestBuilder;
using VantorTest::xy;
using VantorTest::XY;

namespace {

class LineGeometry : public ::testing::Test {
protected:
    LineTestBuilder b;
};

// --- absolute positions and stems -----------------------------------------------------------

TEST_F(LineGeometry, PortPositionAddsTheBlockPosition) {
    auto port = b.blockWithPort(VTQUILL::kOutPort, {100, 40}, {30, 15}, 0);
    EXPECT_EQ(xy(Application::getAbsolutePosition(port)), XY(130, 55));
}

TEST_F(LineGeometry, TerminatorPositionAddsItsSegmentAndLinePositions) {
    auto segment = b.freeSegment({7, 8}, {50, 50});
    segment.setPosition({1, 2});
    segment.getContainer().setPosition({10, 20});
    const VTQUILL::Terminator start(segment.getSrcElement());
    EXPECT_EQ(xy(Application::getAbsolutePosition(start)), XY(18, 30));
}

TEST_F(LineGeometry, OutPortFacingLeftHasItsStemFiveToTheLeft) {
    auto port = b.blockWithPort(VTQUILL::kOutPort, {70, 35}, {30, 15}, 180);
    EXPECT_EQ(xy(Application::getPortStem(port)), XY(95, 50));
}

TEST_F(LineGeometry, InPortFacingUpHasItsStemFifteenAbove) {
    auto port = b.blockWithPort(VTQUILL::kInPort, {70, 35}, {30, 15}, 90);
    EXPECT_EQ(xy(Application::getPortStem(port)), XY(100, 35));
}

TEST_F(LineGeometry, ConnectionPortFacingDownHasItsStemSixteenBelow) {
    auto port = b.blockWithPort(VTQUILL::kConnectionPort, {0, 0}, {10, 30}, 270);
    EXPECT_EQ(xy(Application::getPortStem(port)), XY(10, 46));
}

TEST_F(LineGeometry, InPortFacingRightHasItsStemFifteenToTheRight) {
    auto port = b.blockWithPort(VTQUILL::kInPort, {0, 0}, {10, 30}, 0);
    EXPECT_EQ(xy(Application::getPortStem(port)), XY(25, 30));
}

TEST_F(LineGeometry, PortOfUnknownKindHasItsStemAtItsPosition) {
    auto port = b.blockWithPort("Trigger Port", {70, 35}, {30, 15}, 0);
    EXPECT_EQ(xy(Application::getPortStem(port)), XY(100, 50));
}

TEST_F(LineGeometry, SlantedOrientationLeavesTheStemAtThePort) {
    auto port = b.blockWithPort(VTQUILL::kOutPort, {70, 35}, {30, 15}, 45);
    EXPECT_EQ(xy(Application::getPortStem(port)), XY(100, 50));
}

TEST_F(LineGeometry, FullTurnIsNotTheSameOrientationAsZero) {
    auto port = b.blockWithPort(VTQUILL::kOutPort, {70, 35}, {30, 15}, 360);
    EXPECT_EQ(xy(Application::getPortStem(port)), XY(100, 50));
}

TEST_F(LineGeometry, PathPointOfAPortIsItsStemAndOfAJointItsPosition) {
    auto port = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {30, 15}, 0);
    auto joint = b.joint(b.line(), {60, 70});
    EXPECT_EQ(xy(Application::elementPathPoint(port)), XY(35, 15));
    EXPECT_EQ(xy(Application::elementPathPoint(joint)), XY(60, 70));
}

// --- getSegmentPoint ------------------------------------------------------------------------

TEST_F(LineGeometry, SegmentPointsRunFromSourceThroughVerticesToDestination) {
    auto out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {30, 15}, 0);
    auto in = b.blockWithPort(VTQUILL::kInPort, {200, 100}, {0, 15}, 180);
    auto s = b.segment(b.line(), out, in, {{50, 15}, {50, 115}, {150, 115}});
    EXPECT_EQ(xy(Application::getSegmentPoint(s, 0)), XY(30, 15));
    EXPECT_EQ(xy(Application::getSegmentPoint(s, 1)), XY(50, 15));
    EXPECT_EQ(xy(Application::getSegmentPoint(s, 3)), XY(150, 115));
    EXPECT_EQ(xy(Application::getSegmentPoint(s, 4)), XY(200, 115));
}

TEST_F(LineGeometry, SegmentPointOutsideThePolylineIsRefused) {
    auto s = b.freeSegment({0, 0}, {10, 0}, {{5, 0}});
    EXPECT_THROW(Application::getSegmentPoint(s, 3), std::out_of_range);
    EXPECT_THROW(Application::getSegmentPoint(s, -1), std::out_of_range);
}

// --- pointsAreHorizontal and the complete neighbours ----------------------------------------

TEST(PointsAreHorizontal, EqualSpansCountAsVertical) {
    EXPECT_FALSE(Application::pointsAreHorizontal({0, 0}, {5, 5}));
    EXPECT_TRUE(Application::pointsAreHorizontal({0, 0}, {6, 5}));
    EXPECT_FALSE(Application::pointsAreHorizontal({0, 0}, {-5, -6}));
}

TEST_F(LineGeometry, PointAfterSourceFallsBackToTheDestinationPathPoint) {
    auto in = b.blockWithPort(VTQUILL::kInPort, {100, 0}, {0, 15}, 180);
    auto s = b.segment(b.line(), {}, in, {}, {0, 0});
    EXPECT_EQ(xy(Application::pointAfterSource(s)), XY(85, 15));
    s.setPath({{40, 0}, {40, 15}});
    EXPECT_EQ(xy(Application::pointAfterSource(s)), XY(40, 0));
    EXPECT_EQ(xy(Application::pointBeforeDestination(s)), XY(40, 15));
}

TEST_F(LineGeometry, NeighbourOfADetachedEndIsTheOrigin) {
    VTQUILL::Segment s = b.line().addSegment();
    EXPECT_EQ(xy(Application::pointAfterSource(s)), XY(0, 0));
    EXPECT_EQ(xy(Application::pointBeforeDestination(s)), XY(0, 0));
}

// --- pathOrientationAtElementIsHorizontal ---------------------------------------------------

TEST_F(LineGeometry, PortOrientationDecidesWhateverTheSegment) {
    auto up = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {15, 0}, 90);
    auto left = b.blockWithPort(VTQUILL::kInPort, {100, 100}, {0, 15}, 180);
    auto s = b.segment(b.line(), up, left, {{200, 5}});
    EXPECT_FALSE(Application::pathOrientationAtElementIsHorizontal(up, s));
    EXPECT_TRUE(Application::pathOrientationAtElementIsHorizontal(left, s));
}

TEST_F(LineGeometry, TerminatorFollowsItsNeighbouringVertex) {
    auto s = b.freeSegment({0, 0}, {100, 100}, {{30, 0}, {30, 100}});
    const VTQUILL::Terminator start(s.getSrcElement());
    const VTQUILL::Terminator end(s.getDstElement());
    EXPECT_TRUE(Application::pathOrientationAtElementIsHorizontal(start, s));
    EXPECT_TRUE(Application::pathOrientationAtElementIsHorizontal(end, s));
    s.setPath({{0, 50}, {100, 50}});
    EXPECT_FALSE(Application::pathOrientationAtElementIsHorizontal(start, s));
    EXPECT_FALSE(Application::pathOrientationAtElementIsHorizontal(end, s));
}

TEST_F(LineGeometry, ElementNotOnTheSegmentCountsAsHorizontal) {
    auto s = b.freeSegment({0, 0}, {0, 100});
    auto block = b.block({0, 0});
    EXPECT_TRUE(Application::pathOrientationAtElementIsHorizontal(block, s));
}

TEST_F(LineGeometry, TerminatorOfAnotherSegmentMeasuresTowardsTheOrigin) {
    auto s = b.freeSegment({0, 0}, {0, 100});
    auto other = b.freeSegment({10, 50}, {20, 50});
    const VTQUILL::Terminator foreign(other.getSrcElement());
    // q stays (0, 0): from (10, 50) that is more vertical than horizontal.
    EXPECT_FALSE(Application::pathOrientationAtElementIsHorizontal(foreign, s));
}

class JointOrientation : public LineGeometry {
protected:
    VTQUILL::Line line = b.line();
    VTQUILL::SolderJoint joint = b.joint(line, {0, 0});

    void otherEdgeTowards(LineTestBuilder::Point to) { b.segment(line, joint, {}, {}, {}, to); }
    VTQUILL::Segment diagonalSegment() { return b.segment(line, joint, {}, {}, {}, {30, 40}); }
};

TEST_F(JointOrientation, DiagonalSegmentBesideOneVerticalOtherIsHorizontal) {
    otherEdgeTowards({0, 50});
    EXPECT_TRUE(Application::pathOrientationAtElementIsHorizontal(joint, diagonalSegment()));
}

TEST_F(JointOrientation, DiagonalSegmentWithTwoHorizontalOthersIsVertical) {
    // Fewer horizontal than vertical others gives horizontal, so two horizontal ones give
    // vertical.
    otherEdgeTowards({-50, 0});
    otherEdgeTowards({50, 0});
    EXPECT_FALSE(Application::pathOrientationAtElementIsHorizontal(joint, diagonalSegment()));
}

TEST_F(JointOrientation, DiagonalSegmentWithATieIsVertical) {
    otherEdgeTowards({-50, 0});
    otherEdgeTowards({0, 50});
    EXPECT_FALSE(Application::pathOrientationAtElementIsHorizontal(joint, diagonalSegment()));
}

TEST_F(JointOrientation, DiagonalSegmentWithVerticalMajorityIsHorizontal) {
    otherEdgeTowards({0, -50});
    otherEdgeTowards({0, 50});
    otherEdgeTowards({50, 0});
    EXPECT_TRUE(Application::pathOrientationAtElementIsHorizontal(joint, diagonalSegment()));
}

TEST_F(JointOrientation, IncomingEdgeVotesWithItsLastVertex) {
    b.segment(line, {}, joint, {{-20, -60}, {-20, 0}}, {-50, -60});
    b.segment(line, {}, joint, {{5, -60}, {5, -1}}, {0, -80});
    // (-20, 0) is horizontal from the joint, (5, -1) too: two horizontal, none vertical.
    EXPECT_FALSE(Application::pathOrientationAtElementIsHorizontal(joint, diagonalSegment()));
}

TEST_F(JointOrientation, AlignedSegmentIgnoresTheOtherEdges) {
    otherEdgeTowards({-50, 0});
    otherEdgeTowards({-60, 5});
    auto s = b.segment(line, joint, {}, {}, {}, {60, 0});
    EXPECT_TRUE(Application::pathOrientationAtElementIsHorizontal(joint, s));
}

TEST_F(JointOrientation, SegmentWithVerticesUsesItsFirstVertex) {
    otherEdgeTowards({0, 50});
    otherEdgeTowards({0, -50});
    auto s = b.segment(line, joint, {}, {{0, 20}, {30, 20}}, {}, {30, 40});
    EXPECT_FALSE(Application::pathOrientationAtElementIsHorizontal(joint, s));
}

TEST_F(JointOrientation, IncomingSegmentUsesItsLastVertex) {
    auto s = b.segment(line, {}, joint, {{-10, 30}, {-40, 0}}, {-80, 30});
    EXPECT_TRUE(Application::pathOrientationAtElementIsHorizontal(joint, s));
}

TEST_F(JointOrientation, FarEndIsMeasuredAtItsPortStem) {
    // The in port sits diagonally from the joint but its stem (x - 15) is straight below it.
    auto in = b.blockWithPort(VTQUILL::kInPort, {15, 50}, {0, 0}, 180);
    otherEdgeTowards({0, -50});
    otherEdgeTowards({-3, 60});
    auto s = b.segment(line, joint, in);
    EXPECT_FALSE(Application::pathOrientationAtElementIsHorizontal(joint, s));
}

}  // namespace
