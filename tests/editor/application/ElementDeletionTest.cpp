#include "application/ElementDeletion.h"

#include <gtest/gtest.h>

#include "LineSketch.h"
#include "application/Application.h"
#include "application/LinePieceSplitter.h"

using Vantor::Application;
using Vantor::LinePieceSplitter;
using VantorTest::FreeEnd;
using VantorTest::LineSketch;
using VantorTest::Point;
using VantorTest::verticesOf;
using VTQuillTest::DiagramBuilder;

namespace {

class ElementDeletionTest : public ::testing::Test {
protected:
    DiagramBuilder builder;

    static void remove(std::initializer_list<DOVE2::DiagramElement> elements) {
        PARR::GSet<DOVE2::DiagramElement> set;
        for (const auto& e : elements)
            set.insert(e);
        Application::deleteElements(set);
    }
    std::size_t lineCount() const { return builder.diagram.getLines().size(); }
};

// A "Signal" line: out port -> J (0, 0); J -> in port north; J -> K (50, 0); K -> two in ports.
class SignalTreeTest : public ElementDeletionTest {
protected:
    void SetUp() override {
        j = sketch.joint({0, 0});
        k = sketch.joint({50, 0});
        feed = sketch.segment(sketch.outPort({-50, 0}), j);
        north = sketch.segment(j, sketch.inPort({0, -50}));
        link = sketch.segment(j, k);
        target = sketch.inPort({50, 50});
        kSouth = sketch.segment(k, target);
        kEast = sketch.segment(k, sketch.inPort({100, 0}));
    }
    LineSketch sketch{builder};
    VTQUILL::SolderJoint j, k;
    VTQUILL::Port target;
    VTQUILL::Segment feed, north, link, kSouth, kEast;
};

}  // namespace

// --- Downstream expansion --------------------------------------------------------------------

TEST_F(SignalTreeTest, DeletingTheFeedOfASignalLineTakesEverythingDownstreamAndTheLine) {
    remove({feed});
    EXPECT_FALSE(north.isValid());
    EXPECT_FALSE(link.isValid());
    EXPECT_FALSE(kSouth.isValid());
    EXPECT_FALSE(kEast.isValid());
    EXPECT_FALSE(j.isValid());
    EXPECT_FALSE(k.isValid());
    EXPECT_FALSE(sketch.line.isValid());
    EXPECT_EQ(lineCount(), 0u);
}

TEST_F(SignalTreeTest, ExpansionMarksDownstreamSegmentsThroughEveryJoint) {
    PARR::GSet<DOVE2::DiagramElement> input{link};
    Vantor::ElementDeletion deletion(input);
    deletion.expandDownstream();
    EXPECT_EQ(deletion.deletionSet(), (PARR::GSet<DOVE2::DiagramElement>{link, kSouth, kEast}));
}

TEST_F(SignalTreeTest, DeletingOneBranchLeavesTheJointToBeMergedAway) {
    remove({north});
    EXPECT_FALSE(north.isValid());
    EXPECT_FALSE(j.isValid()) << "two segments were left at the joint";
    EXPECT_TRUE(feed.isValid());
    EXPECT_EQ(feed.getDstElement(), k);
    EXPECT_EQ(k.getEdges().size(), 3u);
    EXPECT_EQ(lineCount(), 1u);
}

TEST_F(ElementDeletionTest, ConnectionLinesAreNotFollowedDownstream) {
    LineSketch sketch(builder, VTQUILL::kConnectionLine);
    const auto j = sketch.joint({0, 0});
    const auto feed = sketch.segment(sketch.outPort({-50, 0}), j);
    const auto up = sketch.segment(j, sketch.inPort({0, -50}));
    const auto down = sketch.segment(j, sketch.inPort({0, 50}));
    remove({feed});
    EXPECT_FALSE(feed.isValid());
    EXPECT_EQ(up.isValid() + down.isValid(), 1) << "the two branches were merged into one";
    EXPECT_EQ(lineCount(), 1u);
}

// --- Deletion by kind ------------------------------------------------------------------------

TEST_F(ElementDeletionTest, DeletingABlockLeavesAFreeEndWhereItsPortWas) {
    LineSketch sketch(builder);
    const auto source = sketch.outPort({20, 30});
    const auto s = sketch.segment(source, sketch.inPort({100, 30}), {{60, 30}});
    const VTQUILL::Block block = source.getContainer();
    remove({block});
    EXPECT_FALSE(block.isValid());
    const VTQUILL::Terminator end(s.getSrcElement());
    ASSERT_TRUE(end.isValid());
    EXPECT_EQ(Application::getAbsolutePosition(end), Point(20, 30));
    EXPECT_EQ(verticesOf(s), (std::vector<Point>{{60, 30}})) << "the line is not cleaned up";
}

TEST_F(ElementDeletionTest, DeletingABlockAtADestinationLeavesADestinationFreeEnd) {
    LineSketch sketch(builder);
    const auto target = sketch.inPort({100, 30});
    const auto s = sketch.segment(sketch.outPort({20, 30}), target);
    remove({target.getContainer()});
    const VTQUILL::Terminator end(s.getDstElement());
    ASSERT_TRUE(end.isValid());
    EXPECT_EQ(Application::getAbsolutePosition(end), Point(100, 30));
}

TEST_F(ElementDeletionTest, DeletingABlockWithItsSegmentAddsNoFreeEndAndRemovesTheLine) {
    LineSketch sketch(builder);
    const auto source = sketch.outPort({20, 30});
    const auto target = sketch.inPort({100, 30});
    const auto s = sketch.segment(source, target);
    remove({source.getContainer(), s});
    EXPECT_FALSE(s.isValid());
    EXPECT_FALSE(target.hasEdge());
    EXPECT_EQ(lineCount(), 0u);
}

TEST_F(ElementDeletionTest, DeletingTheOnlySegmentDestroysTheLineAndItsFreeEnds) {
    LineSketch sketch(builder);
    const auto s = sketch.segment(FreeEnd{{0, 0}}, FreeEnd{{50, 0}});
    const VTQUILL::Terminator start(s.getSrcElement());
    const VTQUILL::Terminator end(s.getDstElement());
    remove({s});
    EXPECT_FALSE(start.isValid());
    EXPECT_FALSE(end.isValid());
    EXPECT_FALSE(sketch.line.isValid());
}

TEST_F(ElementDeletionTest, SolderJointsAndPortsInTheInputAreIgnored) {
    LineSketch sketch(builder);
    const auto j = sketch.joint({0, 0});
    const auto source = sketch.outPort({-50, 0});
    sketch.segment(source, j);
    sketch.segment(j, sketch.inPort({0, -50}));
    sketch.segment(j, sketch.inPort({0, 50}));
    remove({j, source});
    EXPECT_TRUE(j.isValid());
    EXPECT_TRUE(source.isValid());
    EXPECT_EQ(j.getEdges().size(), 3u);
}

TEST_F(ElementDeletionTest, AnAnnotationIsDeleted) {
    const auto note = builder.diagram.addAnnotation("note");
    remove({note});
    EXPECT_FALSE(note.isValid());
}

TEST_F(ElementDeletionTest, AStaleElementIsSkipped) {
    LineSketch sketch(builder);
    const auto s = sketch.segment(FreeEnd{{0, 0}}, FreeEnd{{50, 0}});
    s.destroy();
    EXPECT_NO_THROW(remove({s}));
}

// --- Line repair -----------------------------------------------------------------------------

TEST_F(ElementDeletionTest, DeletingTheLinkOfTwoBranchedPartsMakesTwoConnectionLines) {
    LineSketch sketch(builder, VTQUILL::kConnectionLine);
    const auto left = sketch.joint({0, 0});
    const auto right = sketch.joint({100, 0});
    const auto leftA = sketch.segment(sketch.port(VTQUILL::kConnectionPort, {-50, 0}, 0), left);
    sketch.segment(left, sketch.port(VTQUILL::kConnectionPort, {0, 50}, 90));
    const auto link = sketch.segment(left, right);
    const auto rightA = sketch.segment(right, sketch.port(VTQUILL::kConnectionPort, {150, 0}, 180));
    sketch.segment(right, sketch.port(VTQUILL::kConnectionPort, {100, 50}, 90));

    remove({link});

    ASSERT_EQ(lineCount(), 2u);
    for (const auto& line : builder.diagram.getLines()) {
        EXPECT_EQ(line.getType(), VTQUILL::kConnectionLine);
        EXPECT_EQ(line.getSegments().size(), 1u);
        EXPECT_TRUE(line.getSolderJoints().empty());
    }
    EXPECT_NE(leftA.getContainer(), rightA.getContainer());
}

// Regression: deleting the feed of a joint whose branches leave in one direction left a stub
// from the new branch joint to a free end where the joint was.
TEST_F(ElementDeletionTest, DeletingTheFeedOfAConnectionJointLeavesNoStubBehind) {
    LineSketch sketch(builder, VTQUILL::kConnectionLine);
    const auto j = sketch.joint({0, 0});
    const auto feed = sketch.segment(sketch.outPort({-50, 0}), j);
    const auto first = sketch.segment(j, sketch.inPort({80, 30}), {{40, 0}, {40, 30}});
    const auto second = sketch.segment(j, sketch.inPort({100, -30}), {{60, 0}, {60, -30}});

    remove({feed});

    ASSERT_EQ(lineCount(), 1u);
    const auto segments = sketch.line.getSegments();
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_TRUE(VTQUILL::Port(segments.front().getSrcElement()).isValid());
    EXPECT_TRUE(VTQUILL::Port(segments.front().getDstElement()).isValid());
    EXPECT_TRUE(sketch.line.getSolderJoints().empty());
    EXPECT_EQ(first.isValid() + second.isValid(), 1);
}

// Regression: the clean-up after a deletion read a branch without vertices whose far end is
// attached to nothing as heading for (0, 0); lying along the feed, it sent the line to the
// origin: a new joint at (0, 0) and a segment from it to the old joint.
TEST_F(ElementDeletionTest, ABranchEndingNowhereIsLeftWhereItIsWhenANeighbourIsDeleted) {
    LineSketch sketch(builder);
    const auto j = sketch.joint({100, 0});
    const auto feed = sketch.segment(sketch.outPort({-50, 0}), j);
    const auto nowhere = sketch.segment(j, QUILL::ImmutableClassObject());
    const auto south = sketch.segment(j, sketch.inPort({100, 50}));
    const auto east = sketch.segment(j, sketch.inPort({200, 0}));

    remove({east});

    std::vector<Point> jointPositions;
    for (const auto& joint : sketch.line.getSolderJoints())
        jointPositions.push_back(joint.getPosition());
    EXPECT_EQ(jointPositions, std::vector<Point>{Point(100, 0)});
    EXPECT_EQ(sketch.line.getSegments().size(), 3u);
    EXPECT_EQ(feed.getDstElement(), j);
    EXPECT_TRUE(verticesOf(feed).empty());
    EXPECT_EQ(nowhere.getSrcElement(), j);
    EXPECT_FALSE(nowhere.getDstElement().isValid());
    ASSERT_TRUE(south.isValid());
    EXPECT_EQ(south.getSrcElement(), j);
}

// Regression: dividing a line into pieces assumed a tree; a cycle of segments made the walk
// run forever.
TEST_F(ElementDeletionTest, ALineWithACycleIsWalkedOnceWhenItIsRepaired) {
    LineSketch sketch(builder, VTQUILL::kConnectionLine);
    const auto a = sketch.joint({0, 0});
    const auto b = sketch.joint({100, 0});
    const auto c = sketch.joint({50, 100});
    sketch.segment(a, b);
    sketch.segment(b, c, {{100, 100}});
    sketch.segment(c, a, {{0, 100}});
    sketch.segment(a, sketch.inPort({-50, 0}));
    sketch.segment(b, sketch.inPort({150, 0}));
    const auto branch = sketch.segment(c, sketch.inPort({50, 150}));

    remove({branch});

    ASSERT_EQ(lineCount(), 1u);
    EXPECT_EQ(sketch.line.getSegments().size(), 4u);
    EXPECT_EQ(sketch.line.getSolderJoints().size(), 2u);
    EXPECT_FALSE(c.isValid());
}

// --- Piece splitter --------------------------------------------------------------------------

TEST_F(ElementDeletionTest, ThePieceWithTheFirstSegmentStaysInTheLineAndOthersGetNewLines) {
    LineSketch sketch(builder, VTQUILL::kConnectionLine);
    const auto first = sketch.segment(FreeEnd{{0, 0}}, FreeEnd{{50, 0}});
    const auto j = sketch.joint({0, 100});
    const auto second = sketch.segment(j, FreeEnd{{50, 100}});
    const auto third = sketch.segment(j, FreeEnd{{-50, 100}});
    const auto fourth = sketch.segment(j, FreeEnd{{0, 150}});

    const auto pieces = LinePieceSplitter(sketch.line).split();

    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], sketch.line);
    EXPECT_EQ(first.getContainer(), sketch.line);
    for (const auto& s : {second, third, fourth})
        EXPECT_EQ(s.getContainer(), pieces[1]);
    EXPECT_EQ(j.getContainer(), pieces[1]);
    EXPECT_EQ(pieces[1].getType(), VTQUILL::kConnectionLine);
    EXPECT_EQ(VTQUILL::Line(pieces[1]).getDiagram(), builder.diagram);
}

TEST_F(ElementDeletionTest, ARingOfSegmentsIsOnePieceWithEverySegmentMovedOnce) {
    LineSketch sketch(builder);
    const auto a = sketch.joint({0, 0});
    const auto b = sketch.joint({100, 0});
    sketch.segment(a, b);
    sketch.segment(b, a, {{100, 50}, {0, 50}});
    const auto pieces = LinePieceSplitter(sketch.line).split();
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(sketch.line.getSegments().size(), 2u);
    EXPECT_EQ(sketch.line.getSolderJoints().size(), 2u);
}
