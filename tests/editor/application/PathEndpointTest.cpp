#include <gtest/gtest.h>

#include "application/DPointPathEndpoint.h"
#include "application/GraphElementPathEndpoint.h"
#include "editor/application/LineTestBuilder.h"

using Vantor::DPointPathEndpoint;
using Vantor::GraphElementPathEndpoint;
using Vantor::PathEndpoint;
using VantorTest::LineTestBuilder;
using VantorTest::xy;
using VantorTest::XY;

namespace {

TEST(DPointPathEndpoint, AttachesAtItsPointAndNeverAsksForADetour) {
    const DPointPathEndpoint end({12.5, -4});
    EXPECT_TRUE(end.isValid());
    EXPECT_EQ(xy(end.getAbsolutePosition()), XY(12.5, -4));
    EXPECT_EQ(xy(end.getElementPathPoint()), XY(12.5, -4));
    EXPECT_EQ(xy(end.getElementStemPoint()), XY(12.5, -4));
    EXPECT_FALSE(end.rerouteAround());
    EXPECT_EQ(end.getRectToAvoid(), PathEndpoint::Rect(12.5, -4, 0, 0));
}

TEST(DPointPathEndpoint, CopiesKeepTheirOwnPoint) {
    DPointPathEndpoint a({1, 2});
    const DPointPathEndpoint b({3, 4});
    a = b;
    EXPECT_EQ(xy(a.getElementPathPoint()), XY(3, 4));
}

class GraphElementEndpoint : public ::testing::Test {
protected:
    LineTestBuilder b;
};

TEST_F(GraphElementEndpoint, PortAttachesAtItsStemAndAvoidsItsBlock) {
    auto port = b.blockWithPort(VTQUILL::kInPort, {100, 50}, {0, 10}, 180, {40, 20});
    const DOVE2::GraphElement element = port;
    const GraphElementPathEndpoint end(element);
    EXPECT_TRUE(end.isValid());
    EXPECT_EQ(xy(end.getAbsolutePosition()), XY(100, 60));
    EXPECT_EQ(xy(end.getElementPathPoint()), XY(85, 60));
    EXPECT_EQ(xy(end.getElementStemPoint()), XY(85, 60));
    EXPECT_TRUE(end.rerouteAround());
    EXPECT_EQ(end.getRectToAvoid(), PathEndpoint::Rect(100, 50, 40, 20));
}

TEST_F(GraphElementEndpoint, JointHasAZeroSizeRectangleAtItsPosition) {
    const DOVE2::GraphElement joint = b.joint(b.line(), {7, 9});
    const GraphElementPathEndpoint end(joint);
    EXPECT_EQ(xy(end.getElementPathPoint()), XY(7, 9));
    EXPECT_EQ(xy(end.getElementStemPoint()), XY(7, 9));
    EXPECT_TRUE(end.rerouteAround());
    EXPECT_EQ(end.getRectToAvoid(), PathEndpoint::Rect(7, 9, 0, 0));
}

TEST_F(GraphElementEndpoint, DestroyedElementMakesTheEndpointInvalid) {
    const DOVE2::GraphElement joint = b.joint(b.line(), {7, 9});
    const GraphElementPathEndpoint end(joint);
    VTQUILL::SolderJoint(joint).destroy();
    EXPECT_FALSE(end.isValid());
}

TEST_F(GraphElementEndpoint, EmptyHandleIsInvalid) {
    const DOVE2::GraphElement none;
    EXPECT_FALSE(GraphElementPathEndpoint(none).isValid());
}

}  // namespace
