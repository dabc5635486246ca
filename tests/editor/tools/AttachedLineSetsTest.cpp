#include "tools/AttachedLineSets.h"

#include <gtest/gtest.h>

#include "support/BlockDiagramBuilder.h"

namespace {

using Sets = Vantor::AttachedLineSets;
using TestSupport::BlockDiagramBuilder;

// Two source blocks side by side and a sink below; one line branches at a solder joint from
// the first source to the second source's input and to the sink's input.
class AttachedLineSetsTest : public ::testing::Test {
protected:
    Sets built(std::initializer_list<QUILL::ImmutableClassObject> moving) {
        Sets::Elements set;
        for (const auto& element : moving)
            set.insert(DOVE2::DiagramElement(element));
        Sets sets;
        sets.build(set);
        return sets;
    }
    VTQUILL::Segment segmentTo(const QUILL::ImmutableClassObject& end) {
        return b.edit([&] {
            VTQUILL::Segment s = line.addSegment();
            s.setSrcElement(joint);
            s.setDstElement(end);
            return s;
        });
    }

    BlockDiagramBuilder b;
    VTQUILL::Block left = b.block("Left", {0, 0, 40, 30});
    VTQUILL::Block right = b.block("Right", {100, 0, 40, 30});
    VTQUILL::Block below = b.block("Below", {100, 200, 40, 30});
    VTQUILL::Port leftOut = b.outPort(left);
    VTQUILL::Segment trunk = b.connect(leftOut, b.inPort(right));
    VTQUILL::Line line = trunk.getContainer();
    VTQUILL::SolderJoint joint = b.edit([&] {
        VTQUILL::SolderJoint j = line.addSolderJoint({70, 15});
        trunk.setDstElement(j);
        return j;
    });
    VTQUILL::Segment toRight = segmentTo(right.getContained().front());
    VTQUILL::Segment toBelow = segmentTo(b.inPort(below));
};

TEST_F(AttachedLineSetsTest, AJointBetweenTwoMovingBlocksTravelsAndTheSegmentsBetweenThemShift) {
    const Sets sets = built({left, right});

    EXPECT_TRUE(sets.carriedElements.contains(DOVE2::DiagramElement(joint)));
    EXPECT_TRUE(sets.translatedSegments.contains(trunk));
    EXPECT_TRUE(sets.translatedSegments.contains(toRight));
    EXPECT_TRUE(sets.reroutedSegments.contains(toBelow));
    EXPECT_TRUE(sets.routeHints.contains(toBelow));
    EXPECT_EQ(sets.routeHints.size(), 1u);
    EXPECT_TRUE(sets.reshapedLines.contains(line));
}

TEST_F(AttachedLineSetsTest, AJointOutsideTheMovingBlocksStaysAndItsSegmentsAreRerouted) {
    b.edit([&] {
        joint.setPosition({70, 31});  // one unit below the blocks' bottom
        return 0;
    });
    const Sets sets = built({left, right});

    EXPECT_TRUE(sets.carriedElements.empty());
    EXPECT_TRUE(sets.reroutedSegments.contains(trunk));
    EXPECT_TRUE(sets.reroutedSegments.contains(toRight));
    EXPECT_FALSE(sets.reroutedSegments.contains(toBelow));
    EXPECT_TRUE(sets.translatedSegments.empty());
}

TEST_F(AttachedLineSetsTest, ADanglingSegmentMovesAlongWithItsFreeEnd) {
    const VTQUILL::Block lone = b.block("Lone", {0, 100, 40, 30});
    VTQUILL::Terminator freeEnd;
    const VTQUILL::Segment dangling = b.edit([&] {
        VTQUILL::Segment s = b.diagram().addLine(VTQUILL::kSignalLine).addSegment();
        s.setSrcElement(b.outPort(lone));
        freeEnd = s.addDstTerminator({80, 115});
        return s;
    });
    const Sets sets = built({lone});

    EXPECT_TRUE(sets.carriedElements.contains(DOVE2::DiagramElement(freeEnd)));
    EXPECT_TRUE(sets.translatedSegments.contains(dangling));
    EXPECT_FALSE(sets.reshapedLines.contains(dangling.getContainer()));
}

TEST_F(AttachedLineSetsTest, AnElementInsideAMovingContainerCountsAsMoving) {
    const VTQUILL::Block outer = b.subsystem("Outer", {0, 300, 60, 40});
    const VTQUILL::Block inner =
        b.edit([&] { return outer.getSubsystemDiagram().addBlock("Gain", "Inner"); });
    Sets::Elements moving;
    moving.insert(DOVE2::DiagramElement(outer));

    EXPECT_TRUE(Sets::isMovingWithAncestors(inner, moving));
    EXPECT_FALSE(Sets::isMovingWithAncestors(left, moving));
    EXPECT_FALSE(Sets::isMovingWithAncestors(VTQUILL::Block(), moving));
}

TEST(UnitedBoxes, ABoxWithoutAreaCountsAsNothing) {
    const PARR::GLRect<double> box{10, 10, 20, 20};
    EXPECT_EQ(Vantor::unitedBoxes({}, box), box);
    EXPECT_EQ(Vantor::unitedBoxes(box, {5, 5, 0, 40}), box);
    EXPECT_EQ(Vantor::unitedBoxes(box, {40, 0, 10, 5}), (PARR::GLRect<double>{10, 0, 40, 30}));
}

}  // namespace
