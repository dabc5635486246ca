#include "application/LineCleanup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LineSketch.h"
#include "application/Application.h"
#include "tessel/WarningService.h"

using Vantor::Application;
using Vantor::LineCleanup;
using VantorTest::FreeEnd;
using VantorTest::LineSketch;
using VantorTest::Point;
using VantorTest::verticesOf;
using VTQuillTest::DiagramBuilder;

namespace {

class LineCleanupTest : public ::testing::Test {
protected:
    DiagramBuilder builder;
    LineSketch sketch{builder};

    std::size_t segmentCount() const { return sketch.line.getSegments().size(); }
    std::size_t jointCount() const { return sketch.line.getSolderJoints().size(); }
    std::size_t freeEndCount() const {
        std::size_t count = 0;
        for (const auto& s : sketch.line.getSegments()) {
            count += VTQUILL::Terminator(s.getSrcElement()).isValid();
            count += VTQUILL::Terminator(s.getDstElement()).isValid();
        }
        return count;
    }
};

// Records the warnings given while it lives.
class WarningRecorder {
public:
    WarningRecorder()
        : token_(TESSEL::WarningService::instance().subscribe(
              [this](const std::string& id, const std::string& text) {
                  warnings.push_back(id + ": " + text);
              })) {}
    ~WarningRecorder() { TESSEL::WarningService::instance().unsubscribe(token_); }
    std::vector<std::string> warnings;

private:
    TESSEL::WarningService::Token token_;
};

const std::string kZeroLengthWarning = "VTDove:ZeroLengthSegment: Zero-length segment encountered.";

}  // namespace

// --- End vertices ----------------------------------------------------------------------------

TEST_F(LineCleanupTest, VerticesOnTheSourceEndAreDroppedUpToTheFirstRealBend) {
    const auto s =
        sketch.segment(sketch.outPort({0, 0}), sketch.inPort({10, 20}), {{0, 0}, {0, 0}, {10, 0}});
    LineCleanup cleanup(sketch.line);
    cleanup.removeVerticesAtEnds();
    EXPECT_EQ(verticesOf(s), (std::vector<Point>{{10, 0}}));
}

TEST_F(LineCleanupTest, VerticesOnTheDestinationEndAreDropped) {
    const auto s = sketch.segment(sketch.outPort({0, 0}), sketch.inPort({10, 20}),
                                  {{10, 0}, {10, 20}, {10, 20}});
    LineCleanup(sketch.line).removeVerticesAtEnds();
    EXPECT_EQ(verticesOf(s), (std::vector<Point>{{10, 0}}));
}

TEST_F(LineCleanupTest, AnEndVertexLeftOnAStraightRunIsDroppedByTheWholeCleanup) {
    const auto s =
        sketch.segment(sketch.outPort({0, 0}), sketch.inPort({20, 0}), {{0, 0}, {0, 0}, {10, 0}});
    Application::cleanupLine(sketch.line);
    EXPECT_TRUE(verticesOf(s).empty());
}

TEST_F(LineCleanupTest, AnEndVertexAtACornerSurvivesTheWholeCleanup) {
    const auto s =
        sketch.segment(sketch.outPort({0, 0}), sketch.inPort({10, 20}), {{0, 0}, {0, 0}, {10, 0}});
    Application::cleanupLine(sketch.line);
    EXPECT_EQ(verticesOf(s), (std::vector<Point>{{10, 0}}));
}

// --- Work list -------------------------------------------------------------------------------

TEST_F(LineCleanupTest, WorkListStartsWithTheLinesJointsInOrder) {
    const auto a = sketch.joint({0, 0});
    const auto b = sketch.joint({50, 0});
    LineCleanup cleanup(sketch.line);
    cleanup.collectSolderJoints();
    EXPECT_EQ(cleanup.workList(), (std::vector<VTQUILL::SolderJoint>{a, b}));
}

// --- Overlapping branches --------------------------------------------------------------------

class OverlappingBranchesTest : public LineCleanupTest {
protected:
    // Joint at (0, 0) fed from the -x side, two branches leaving along +x that turn at 40
    // and at 60.
    void SetUp() override {
        joint = sketch.joint({0, 0});
        incoming = sketch.segment(sketch.outPort({-50, 0}), joint);
        first = sketch.segment(joint, sketch.inPort({80, 30}), {{40, 0}, {40, 30}});
        second = sketch.segment(joint, sketch.inPort({100, -30}), {{60, 0}, {60, -30}});
    }
    VTQUILL::SolderJoint joint;
    VTQUILL::Segment incoming, first, second;
};

TEST_F(OverlappingBranchesTest, BranchesLeavingInOneDirectionMeetAtANewJointWhereTheFirstTurns) {
    LineCleanup cleanup(sketch.line);
    cleanup.removeVerticesAtEnds();
    cleanup.collectSolderJoints();
    cleanup.separateOverlappingBranches();

    ASSERT_EQ(cleanup.workList().size(), 2u);
    const VTQUILL::SolderJoint branch = cleanup.workList()[1];
    EXPECT_EQ(branch.getPosition(), Point(40, 0));
    EXPECT_EQ(first.getSrcElement(), branch);
    EXPECT_EQ(verticesOf(first), (std::vector<Point>{{40, 30}}));
    EXPECT_EQ(second.getSrcElement(), branch);
    EXPECT_EQ(verticesOf(second), (std::vector<Point>{{60, 0}, {60, -30}}));
    ASSERT_EQ(segmentCount(), 4u);
    const VTQUILL::Segment link = sketch.line.getSegments()[3];
    EXPECT_EQ(link.getSrcElement(), joint);
    EXPECT_EQ(link.getDstElement(), branch);
    EXPECT_TRUE(link.getPath().empty());
}

TEST_F(OverlappingBranchesTest, TheOldJointIsMergedAwayAndTheFeedEndsAtTheNewJoint) {
    Application::cleanupLine(sketch.line);

    EXPECT_FALSE(joint.isValid());
    ASSERT_EQ(jointCount(), 1u);
    const VTQUILL::SolderJoint branch = sketch.line.getSolderJoints().front();
    EXPECT_EQ(branch.getPosition(), Point(40, 0));
    EXPECT_EQ(branch.getEdges().size(), 3u);
    EXPECT_EQ(segmentCount(), 3u);
    EXPECT_TRUE(incoming.isValid());
    EXPECT_EQ(incoming.getDstElement(), branch);
    EXPECT_TRUE(verticesOf(incoming).empty()) << "(0, 0) lies on the feed's straight run";
    EXPECT_EQ(verticesOf(first), (std::vector<Point>{{40, 30}}));
    EXPECT_EQ(verticesOf(second), (std::vector<Point>{{60, 0}, {60, -30}}));
}

TEST_F(LineCleanupTest, AJointAlreadyWhereTheFirstBranchEndsIsReusedWithoutANewSegment) {
    const auto joint = sketch.joint({0, 0});
    const auto existing = sketch.joint({40, 0});
    const auto incoming = sketch.segment(sketch.outPort({-50, 0}), joint);
    const auto toExisting = sketch.segment(joint, existing);
    sketch.segment(existing, sketch.inPort({40, 50}));
    sketch.segment(existing, sketch.inPort({40, -50}));
    const auto longer = sketch.segment(joint, sketch.inPort({100, -30}), {{60, 0}, {60, -30}});

    LineCleanup cleanup(sketch.line);
    cleanup.removeVerticesAtEnds();
    cleanup.collectSolderJoints();
    cleanup.separateOverlappingBranches();
    EXPECT_EQ(segmentCount(), 5u) << "no segment is created";
    EXPECT_EQ(toExisting.getDstElement(), existing);
    EXPECT_EQ(longer.getSrcElement(), existing);
    EXPECT_EQ(verticesOf(longer), (std::vector<Point>{{60, 0}, {60, -30}}));

    // The old joint keeps two segments and is merged: the feed now reaches the reused joint.
    cleanup.settleJointDegrees();
    cleanup.removeStraightRunVertices();
    EXPECT_FALSE(joint.isValid());
    EXPECT_FALSE(toExisting.isValid());
    EXPECT_EQ(incoming.getDstElement(), existing);
    EXPECT_TRUE(verticesOf(incoming).empty());
    EXPECT_EQ(existing.getEdges().size(), 4u);
}

// Regression: a joint with two overlapping groups appended a branch joint for the first group
// and then read the joint it was visiting from the work list's moved storage.
TEST_F(LineCleanupTest, AJointWithTwoOverlappingGroupsGetsABranchJointForEach) {
    const auto joint = sketch.joint({0, 0});
    sketch.segment(sketch.outPort({-50, 0}), joint);
    sketch.segment(joint, sketch.inPort({30, -80}), {{0, -40}, {30, -40}});
    sketch.segment(joint, sketch.inPort({-30, -100}), {{0, -60}, {-30, -60}});
    sketch.segment(joint, sketch.inPort({40, 80}), {{40, 0}, {40, 30}});
    sketch.segment(joint, sketch.inPort({60, 80}), {{60, 0}, {60, 30}});

    Application::cleanupLine(sketch.line);

    ASSERT_EQ(jointCount(), 3u);
    EXPECT_EQ(segmentCount(), 7u);
    std::vector<Point> positions;
    for (const auto& j : sketch.line.getSolderJoints()) {
        positions.push_back(j.getPosition());
        EXPECT_EQ(j.getEdges().size(), 3u);
    }
    EXPECT_EQ(positions, (std::vector<Point>{{0, 0}, {0, -40}, {40, 0}}));
}

TEST_F(LineCleanupTest, BranchesLeavingInDifferentDirectionsAreNeverMerged) {
    const auto joint = sketch.joint({0, 0});
    sketch.segment(sketch.outPort({-50, 0}), joint);
    sketch.segment(joint, sketch.inPort({10, 50}), {{1, 0}, {1, 50}});
    sketch.segment(joint, sketch.inPort({50, 1}), {{0, 1}, {50, 1}});
    Application::cleanupLine(sketch.line);
    EXPECT_EQ(jointCount(), 1u);
    EXPECT_EQ(segmentCount(), 3u);
    EXPECT_EQ(joint.getEdges().size(), 3u);
}

TEST_F(LineCleanupTest, ABranchTooShortToHaveADirectionWarnsWhenItHasVertices) {
    const auto joint = sketch.joint({0, 0});
    sketch.segment(sketch.outPort({-50, 0}), joint);
    sketch.segment(joint, sketch.inPort({50, 30}), {{0.3, 0}, {0.3, 30}});
    sketch.segment(joint, sketch.inPort({0, -50}));
    WarningRecorder recorder;
    Application::cleanupLine(sketch.line);
    EXPECT_EQ(recorder.warnings, std::vector<std::string>{kZeroLengthWarning});
    EXPECT_EQ(joint.getEdges().size(), 3u) << "the warning does not stop the clean-up";
}

TEST_F(LineCleanupTest, ABranchTooShortToHaveADirectionWithoutVerticesGivesNoWarning) {
    const auto joint = sketch.joint({0, 0});
    sketch.segment(sketch.outPort({-50, 0}), joint);
    sketch.segment(joint, sketch.inPort({0.2, 0.2}));
    sketch.segment(joint, sketch.inPort({0, -50}));
    WarningRecorder recorder;
    Application::cleanupLine(sketch.line);
    EXPECT_TRUE(recorder.warnings.empty());
}

// Regression: two segments joining the same two joints along one straight run made each joint
// find the other as its branch point and append it to the work list without end.
TEST_F(LineCleanupTest, TwoSegmentsBetweenTheSameJointsDoNotLoopForever) {
    const auto j = sketch.joint({0, 0});
    const auto k = sketch.joint({40, 0});
    sketch.segment(sketch.outPort({-50, 0}), j);
    sketch.segment(j, k);
    sketch.segment(j, k);
    sketch.segment(k, sketch.inPort({90, 0}));

    LineCleanup cleanup(sketch.line);
    cleanup.removeVerticesAtEnds();
    cleanup.collectSolderJoints();
    cleanup.separateOverlappingBranches();
    EXPECT_EQ(cleanup.workList(), (std::vector<VTQUILL::SolderJoint>{j, k}));

    cleanup.settleJointDegrees();
    cleanup.removeStraightRunVertices();
    EXPECT_EQ(segmentCount(), 4u);
    EXPECT_EQ(jointCount(), 2u);
}

// Regression: a ring of two parallel segments between two joints, once merged, left one
// segment closed on itself, whose merge destroyed the segment it was keeping.
TEST_F(LineCleanupTest, ARingOfTwoParallelSegmentsKeepsOneClosedSegment) {
    const auto j = sketch.joint({0, 0});
    const auto k = sketch.joint({40, 0});
    sketch.segment(j, k);
    sketch.segment(j, k);
    Application::cleanupLine(sketch.line);
    ASSERT_EQ(segmentCount(), 1u);
    const auto s = sketch.line.getSegments().front();
    EXPECT_EQ(s.getSrcElement(), k);
    EXPECT_EQ(s.getDstElement(), k);
}

// Regression: a line entering and leaving a joint in the same direction (a U-turn) got a new
// joint where the overlap ends plus a stub from it to a free end at the old joint's place.
TEST_F(LineCleanupTest, AUTurnAtAJointCollapsesWithoutLeavingAFreeEnd) {
    const auto joint = sketch.joint({0, 0});
    const auto in = sketch.segment(sketch.outPort({100, 20}), joint, {{60, 20}, {60, 0}});
    const auto target = sketch.inPort({80, -30});
    sketch.segment(joint, target, {{40, 0}, {40, -30}});

    Application::cleanupLine(sketch.line);

    EXPECT_EQ(freeEndCount(), 0u);
    EXPECT_EQ(jointCount(), 0u);
    ASSERT_EQ(segmentCount(), 1u);
    EXPECT_TRUE(in.isValid());
    EXPECT_EQ(in.getDstElement(), target);
    EXPECT_EQ(verticesOf(in), (std::vector<Point>{{60, 20}, {60, 0}, {40, 0}, {40, -30}}));
}

// Regression: the same U-turn where the shorter side already ends at a joint: the joint was
// reused and the shorter side was left as a stub to a free end at the old joint's place.
TEST_F(LineCleanupTest, AUTurnOntoAnExistingJointLeavesNoStub) {
    const auto joint = sketch.joint({0, 0});
    const auto existing = sketch.joint({40, 0});
    const auto stub = sketch.segment(joint, existing);
    sketch.segment(existing, sketch.inPort({40, 50}));
    sketch.segment(existing, sketch.inPort({40, -50}));
    const auto in = sketch.segment(sketch.outPort({100, 20}), joint, {{60, 20}, {60, 0}});

    Application::cleanupLine(sketch.line);

    EXPECT_EQ(freeEndCount(), 0u);
    EXPECT_FALSE(stub.isValid());
    EXPECT_FALSE(joint.isValid());
    EXPECT_EQ(in.getDstElement(), existing);
    EXPECT_EQ(verticesOf(in), (std::vector<Point>{{60, 20}, {60, 0}}));
    EXPECT_EQ(existing.getEdges().size(), 3u);
}

// --- Joint degree ----------------------------------------------------------------------------

TEST_F(LineCleanupTest, AJointWithOneSegmentBecomesAFreeEndAtItsPosition) {
    const auto joint = sketch.joint({5, 7});
    const auto s = sketch.segment(sketch.outPort({5, 50}), joint);
    Application::cleanupLine(sketch.line);
    EXPECT_FALSE(joint.isValid());
    const VTQUILL::Terminator end(s.getDstElement());
    ASSERT_TRUE(end.isValid());
    EXPECT_EQ(Application::getAbsolutePosition(end), Point(5, 7));
}

TEST_F(LineCleanupTest, AJointWithOneOutgoingSegmentGetsASourceFreeEnd) {
    const auto joint = sketch.joint({5, 7});
    const auto s = sketch.segment(joint, sketch.inPort({5, 50}));
    Application::cleanupLine(sketch.line);
    const VTQUILL::Terminator end(s.getSrcElement());
    ASSERT_TRUE(end.isValid());
    EXPECT_EQ(Application::getAbsolutePosition(end), Point(5, 7));
}

TEST_F(LineCleanupTest, AJointWithNoSegmentIsDestroyed) {
    const auto joint = sketch.joint({5, 7});
    Application::cleanupLine(sketch.line);
    EXPECT_FALSE(joint.isValid());
}

TEST_F(LineCleanupTest, AJointWithThreeSegmentsIsKept) {
    const auto joint = sketch.joint({0, 0});
    sketch.segment(sketch.outPort({-50, 0}), joint);
    sketch.segment(joint, sketch.inPort({0, 50}));
    sketch.segment(joint, sketch.inPort({0, -50}));
    Application::cleanupLine(sketch.line);
    EXPECT_TRUE(joint.isValid());
    EXPECT_EQ(joint.getEdges().size(), 3u);
}

// --- Merging at a joint ----------------------------------------------------------------------

TEST_F(LineCleanupTest, MergingInAndOutKeepsTheIncomingSegmentWithTheJointAsAVertex) {
    const auto joint = sketch.joint({10, 10});
    const auto source = sketch.outPort({0, 0});
    const auto target = sketch.inPort({40, 30});
    const auto in = sketch.segment(source, joint, {{0, 10}});
    const auto out = sketch.segment(joint, target, {{20, 30}});

    LineCleanup::mergeSegmentsAtJoint(joint);

    EXPECT_FALSE(out.isValid());
    EXPECT_FALSE(joint.isValid());
    EXPECT_EQ(in.getSrcElement(), source);
    EXPECT_EQ(in.getDstElement(), target);
    EXPECT_EQ(verticesOf(in), (std::vector<Point>{{0, 10}, {10, 10}, {20, 30}}));
}

TEST_F(LineCleanupTest, TheMergedJointPositionStaysWhenItIsACorner) {
    const auto joint = sketch.joint({10, 10});
    const auto in = sketch.segment(sketch.outPort({0, 0}), joint, {{0, 10}});
    sketch.segment(joint, sketch.inPort({40, 30}), {{20, 30}});
    Application::cleanupLine(sketch.line);
    EXPECT_EQ(verticesOf(in), (std::vector<Point>{{0, 10}, {10, 10}, {20, 30}}));
}

TEST_F(LineCleanupTest, TheMergedJointPositionGoesWhenItLiesOnAStraightRun) {
    const auto joint = sketch.joint({10, 10});
    const auto in = sketch.segment(sketch.outPort({0, 0}), joint, {{0, 10}});
    sketch.segment(joint, sketch.inPort({20, 40}), {{20, 10}});
    Application::cleanupLine(sketch.line);
    EXPECT_EQ(verticesOf(in), (std::vector<Point>{{0, 10}, {20, 10}}));
}

TEST_F(LineCleanupTest, TwoOutgoingSegmentsMergeIntoOneFromTheSecondsFarEndToTheFirsts) {
    const auto joint = sketch.joint({0, 0});
    const auto target = sketch.inPort({30, 20});
    const auto first = sketch.segment(joint, target, {{0, 20}});
    sketch.segment(joint, FreeEnd{{-20, -30}}, {{-20, 0}});

    Application::cleanupLine(sketch.line);

    ASSERT_EQ(segmentCount(), 1u);
    EXPECT_TRUE(first.isValid());
    const VTQUILL::Terminator start(first.getSrcElement());
    ASSERT_TRUE(start.isValid());
    EXPECT_EQ(Application::getAbsolutePosition(start), Point(-20, -30));
    EXPECT_EQ(first.getDstElement(), target);
    EXPECT_EQ(verticesOf(first), (std::vector<Point>{{-20, 0}, {0, 0}, {0, 20}}));
}

TEST_F(LineCleanupTest, TwoIncomingSegmentsMergeWithTheSecondReversedAfterTheJoint) {
    const auto joint = sketch.joint({0, 0});
    const auto source = sketch.outPort({30, 20});
    const auto first = sketch.segment(source, joint, {{0, 20}});
    sketch.segment(FreeEnd{{-20, -30}}, joint, {{-20, 0}});

    Application::cleanupLine(sketch.line);

    ASSERT_EQ(segmentCount(), 1u);
    EXPECT_EQ(first.getSrcElement(), source);
    const VTQUILL::Terminator end(first.getDstElement());
    ASSERT_TRUE(end.isValid());
    EXPECT_EQ(Application::getAbsolutePosition(end), Point(-20, -30));
    EXPECT_EQ(verticesOf(first), (std::vector<Point>{{0, 20}, {0, 0}, {-20, 0}}));
}

// --- Straight runs ---------------------------------------------------------------------------

TEST_F(LineCleanupTest, AVertexOnAStraightRunIsRemovedAndCornersStay) {
    const auto s = sketch.segment(sketch.outPort({0, 0}), sketch.inPort({30, 20}),
                                  {{10, 0}, {20, 0}, {30, 0}});
    Application::cleanupLine(sketch.line);
    EXPECT_EQ(verticesOf(s), (std::vector<Point>{{30, 0}}));
}

TEST_F(LineCleanupTest, AVertexStoredTwiceInARowKeepsBothCopies) {
    const auto s =
        sketch.segment(sketch.outPort({0, 0}), sketch.inPort({20, 0}), {{10, 0}, {10, 0}});
    Application::cleanupLine(sketch.line);
    EXPECT_EQ(verticesOf(s), (std::vector<Point>{{10, 0}, {10, 0}}));
}

TEST_F(LineCleanupTest, ASpikeThatTurnsBackOnItselfIsRemoved) {
    const auto s = sketch.segment(sketch.outPort({0, 0}), sketch.inPort({10, 0}), {{30, 0}});
    Application::cleanupLine(sketch.line);
    EXPECT_TRUE(verticesOf(s).empty());
}

TEST_F(LineCleanupTest, AStaleLineIsIgnored) {
    const VTQUILL::Line line = sketch.line;
    line.destroy();
    EXPECT_NO_THROW(Application::cleanupLine(line));
}
