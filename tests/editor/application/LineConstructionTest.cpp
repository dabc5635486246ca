// Application's creators, splitSegment and canConnect.
#include <gtest/gtest.h>

#include "application/Application.h"
#include "editor/application/LineTestBuilder.h"

using Vantor::Application;
using VantorTest::LineTestBuilder;
using VantorTest::xy;
using VantorTest::XY;
using VantorTest::xys;
using VantorTest::XYs;

namespace {

class LineConstruction : public ::testing::Test {
protected:
    LineTestBuilder b;
    VTQUILL::Port out = b.blockWithPort(VTQUILL::kOutPort, {0, 0}, {30, 15}, 0);
    VTQUILL::Port in = b.blockWithPort(VTQUILL::kInPort, {100, 0}, {0, 15}, 180);
};

// --- creators -------------------------------------------------------------------------------

TEST_F(LineConstruction, RootCreatorsUseTheContainersAndTheGivenType) {
    const VTQUILL::Line line = Application::createLine(b.diagram, VTQUILL::kConnectionLine);
    EXPECT_EQ(line.getType(), VTQUILL::kConnectionLine);
    EXPECT_EQ(line.getDiagram(), b.diagram);
    const VTQUILL::Segment segment = Application::createSegment(line);
    const VTQUILL::SolderJoint joint = Application::createSolderJoint(line);
    EXPECT_EQ(segment.getContainer(), line);
    EXPECT_EQ(joint.getContainer(), line);
    EXPECT_EQ(line.getSegments().size(), 1u);
    EXPECT_EQ(line.getSolderJoints().size(), 1u);
}

class WorkingCopyConstruction : public LineConstruction {
protected:
    void SetUp() override {
        b.commit();
        copy = VTQUILL::Model(b.model.createWorkingCopy());
        tx = std::make_unique<QUILL::Transaction>(copy);
    }
    void TearDown() override { tx.reset(); }

    VTQUILL::Diagram diagramInCopy() const { return VTQUILL::Diagram(b.diagram.asDeviant(copy)); }

    VTQUILL::Model copy;
    std::unique_ptr<QUILL::Transaction> tx;
};

TEST_F(WorkingCopyConstruction, LineMadeInAWorkingCopyIgnoresTheType) {
    const VTQUILL::Line line = Application::createLine(diagramInCopy(), VTQUILL::kConnectionLine);
    ASSERT_TRUE(line.isValid());
    EXPECT_NE(line.getDeviant()->getDeviantId(), 0u);
    EXPECT_EQ(line.getType(), VTQUILL::kSignalLine);
    EXPECT_EQ(line.getDiagram(), b.diagram);
    EXPECT_FALSE(line.getRootDeviant().isValid());
}

TEST_F(WorkingCopyConstruction, SegmentAndJointAreMadeInTheCopyAndPlacedInTheLine) {
    const VTQUILL::Line line = Application::createLine(diagramInCopy(), VTQUILL::kSignalLine);
    const VTQUILL::Segment segment = Application::createSegment(line);
    const VTQUILL::SolderJoint joint = Application::createSolderJoint(line);
    EXPECT_EQ(segment.getContainer(), line);
    EXPECT_EQ(joint.getContainer(), line);
    EXPECT_EQ(segment.getDeviant(), line.getDeviant());
    EXPECT_FALSE(segment.getRootDeviant().isValid());
}

// --- splitSegment ---------------------------------------------------------------------------

TEST_F(LineConstruction, SplittingAStraightSegmentPutsTheJointAtTheFootOfThePerpendicular) {
    auto line = b.line();
    auto segment = b.segment(line, out, in);
    const VTQUILL::SolderJoint joint = Application::splitSegment(segment, {34, 18});
    EXPECT_EQ(xy(joint.getPosition()), XY(34, 15));
    EXPECT_EQ(joint.getContainer(), line);
    EXPECT_EQ(segment.getSrcElement(), out);
    EXPECT_EQ(segment.getDstElement(), joint);
    EXPECT_TRUE(segment.getPath().empty());
    const VTQUILL::Segment rest = in.getEdge();
    ASSERT_TRUE(rest.isValid());
    EXPECT_NE(rest, segment);
    EXPECT_EQ(rest.getSrcElement(), joint);
    EXPECT_EQ(rest.getContainer(), line);
    EXPECT_TRUE(rest.getPath().empty());
}

TEST_F(LineConstruction, SplittingBehindTheSourcePutsTheJointOnTheSource) {
    auto segment = b.segment(b.line(), out, in);
    const VTQUILL::SolderJoint joint = Application::splitSegment(segment, {20, 25});
    EXPECT_EQ(xy(joint.getPosition()), XY(30, 15));
}

TEST_F(LineConstruction, SplittingAtAVertexStartsTheSecondHalfWithIt) {
    auto segment = b.segment(b.line(), out, in, {{50, 15}, {50, 60}, {80, 60}, {80, 15}});
    const VTQUILL::SolderJoint joint = Application::splitSegment(segment, {50, 60});
    EXPECT_EQ(xy(joint.getPosition()), XY(50, 60));
    EXPECT_EQ(xys(segment.getPath()), (XYs{{50, 15}}));
    const VTQUILL::Segment rest = in.getEdge();
    EXPECT_EQ(xys(rest.getPath()), (XYs{{50, 60}, {80, 60}, {80, 15}}));
}

TEST_F(LineConstruction, SplittingMovesAFreeEndToTheNewSegment) {
    auto segment = b.segment(b.line(), out, {}, {{50, 15}, {50, 60}}, {}, {90, 60});
    const VTQUILL::Terminator end(segment.getDstElement());
    const VTQUILL::SolderJoint joint = Application::splitSegment(segment, {70, 61});
    const VTQUILL::Segment rest = end.getEdge();
    ASSERT_TRUE(rest.isValid());
    EXPECT_EQ(rest.getSrcElement(), joint);
    EXPECT_EQ(rest.getDstElement(), end);
    EXPECT_EQ(xys(segment.getPath()), (XYs{{50, 15}, {50, 60}}));
    EXPECT_TRUE(rest.getPath().empty());
    EXPECT_EQ(joint.getEdges().size(), 2u);
}

// --- canConnect -----------------------------------------------------------------------------

TEST_F(LineConstruction, NothingConnectsToItself) {
    auto segment = b.segment(b.line(), {}, {}, {}, {0, 0}, {10, 0});
    auto joint = b.joint(b.line(), {5, 5});
    EXPECT_FALSE(Application::canConnect(out, out));
    EXPECT_FALSE(Application::canConnect(segment, segment));
    EXPECT_FALSE(Application::canConnect(joint, joint));
}

TEST_F(LineConstruction, OutPortConnectsDownstreamToAnInPortOnly) {
    EXPECT_TRUE(Application::canConnect(out, in));
    EXPECT_FALSE(Application::canConnect(in, out));
}

TEST_F(LineConstruction, SignalSegmentConnectsToAFreeInPort) {
    auto segment = b.segment(b.line(), {}, {}, {}, {0, 0}, {10, 0});
    EXPECT_TRUE(Application::canConnect(segment, in));
    EXPECT_FALSE(Application::canConnect(segment, out));
}

TEST_F(LineConstruction, JointOrBlockNeverStartsAConnection) {
    auto joint = b.joint(b.line(), {5, 5});
    EXPECT_FALSE(Application::canConnect(joint, in));
    EXPECT_FALSE(Application::canConnect(in.getContainer(), in));
    EXPECT_FALSE(Application::canConnect(DOVE2::GraphElement(), in));
}

}  // namespace
