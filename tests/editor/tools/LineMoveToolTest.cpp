#include "tools/LineMoveTool.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "LineChecks.h"
#include "SourceAndSinkTest.h"
#include "application/Application.h"
#include "parr/Modifier.h"
#include "rook2/Scene.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"

namespace {

using Mode = Vantor::LineMoveTool::Mode;
using Point = PARR::GLPoint<double>;
using TestSupport::ModuleEditor;
using TestSupport::stateOf;

bool passesThrough(const VTQUILL::Segment& segment, const Point& p) {
    const PARR::Path route = Vantor::Application::getCompleteSegmentPath(segment);
    return std::find(route.begin(), route.end(), p) != route.end();
}

// The source wired to the sink by a Z-shaped route: right from the output's route end
// (45, 12) to x = 120, down to y = 112, right to the input's (185, 112).
class LineMoveToolTest : public ToolTest::SourceAndSinkTest {
protected:
    // A line move tool for `element` outside the editor's stack, pressed at `at`.
    PARR::Holder<Vantor::LineMoveTool> pressedTool(const DOVE2::DiagramElement& element,
                                                   const Point& at) {
        PARR::Holder<Vantor::LineMoveTool> tool(new Vantor::LineMoveTool(view.editor()));
        tool->setElement(element);
        ROOK2::MouseEvent press = view.mouse(ROOK2::MouseEvent::Press, at, view.kLeft, 0);
        tool->handleMousePressEvent(press);
        return tool;
    }
    void moveTool(Vantor::LineMoveTool& tool, const Point& to, unsigned modifiers = 0) {
        ROOK2::MouseEvent move =
            view.mouse(ROOK2::MouseEvent::Move, to, ROOK2::MouseEvent::NoButton, modifiers);
        tool.handleMouseMoveEvent(move);
    }

    VTQUILL::Segment wire = wireThem();
    ModuleEditor view{b.diagram()};
};

TEST_F(LineMoveToolTest, DraggingALegMovesItAndRecordsOneEditLineThatUndoesExactly) {
    const auto before = stateOf(b.model());

    view.drag({120, 60}, {140, 60});

    EXPECT_EQ(Vantor::Application::getCompleteSegmentPath(wire),
              (PARR::Path{{45, 12}, {140, 12}, {140, 112}, {185, 112}}));
    EXPECT_TRUE(ToolTest::isWellFormed(wire.getContainer()));
    EXPECT_TRUE(view.viewShowsRoot());
    EXPECT_EQ(undoText(), "Undo Edit Line");
    view.editor().undo();
    EXPECT_EQ(stateOf(b.model()), before);
}

TEST_F(LineMoveToolTest, DraggingACornerMovesItOnlyBeyondFiveUnitsPerCoordinate) {
    view.drag({120, 12}, {124, 24});

    EXPECT_TRUE(passesThrough(wire, {120, 24}));
    EXPECT_FALSE(passesThrough(wire, {124, 24}));
    EXPECT_TRUE(ToolTest::isWellFormed(wire.getContainer()));
    EXPECT_EQ(undoText(), "Undo Edit Line");
}

TEST_F(LineMoveToolTest, ADragStartsAfterTwoPixelsAndPrefersACornerToALeg) {
    const auto tool = pressedTool(DOVE2::DiagramElement(wire), {121, 13});
    moveTool(*tool, {122, 13});
    EXPECT_EQ(tool->getMode(), Mode::Pressed);
    moveTool(*tool, {123, 13});
    EXPECT_EQ(tool->getMode(), Mode::VertexDrag);
}

TEST_F(LineMoveToolTest, ShiftKeepsTheLargerCoordinateAndFractionsAreRounded) {
    const auto tool = pressedTool(DOVE2::DiagramElement(wire), {120, 60});
    moveTool(*tool, {130, 63}, PARR::ShiftModifier);
    EXPECT_EQ(tool->getMode(), Mode::LegDrag);
    EXPECT_EQ(tool->getDragDelta(), (Point{10, 0}));

    // At a zoom other than 1 the pointer's scene position is fractional.
    moveTool(*tool, {130.4, 60.5});
    EXPECT_EQ(tool->getDragDelta(), (Point{10, 1}));
}

TEST_F(LineMoveToolTest, EscapeDropsThePreviewAndTheReleaseRecordsNothing) {
    const auto before = stateOf(b.model());
    view.press({120, 60});
    view.move({130, 60});
    view.move({150, 60});
    ASSERT_FALSE(view.viewShowsRoot());

    view.key(Vantor::LineMoveTool::kEscapeKey);
    view.release({150, 60});

    EXPECT_TRUE(view.viewShowsRoot());
    EXPECT_EQ(stateOf(b.model()), before);
    EXPECT_FALSE(view.editor().canUndo());
}

// The wire is split at a solder joint on its first leg; a dangling branch leaves the joint
// downwards to a free end.
class SolderJointDragTest : public LineMoveToolTest {
protected:
    VTQUILL::SolderJoint joint = b.edit([&] {
        const VTQUILL::Line line = wire.getContainer();
        VTQUILL::SolderJoint j = line.addSolderJoint({80, 12});
        wire.setDstElement(j);
        wire.setPath({});
        VTQUILL::Segment rest = line.addSegment();
        rest.setSrcElement(j);
        rest.setDstElement(in);
        rest.setPath({{120, 12}, {120, 112}});
        return j;
    });
    VTQUILL::Terminator freeEnd;
    VTQUILL::Segment dangling = b.edit([&] {
        VTQUILL::Segment s = wire.getContainer().addSegment();
        s.setSrcElement(joint);
        freeEnd = s.addDstTerminator({80, 60});
        return s;
    });
};

TEST_F(SolderJointDragTest, DraggingAJointCarriesItsDanglingBranchAndReroutesTheOthers) {
    view.drag({80, 12}, {80, 32});

    EXPECT_EQ(joint.getPosition(), (Point{80, 32}));
    EXPECT_EQ(freeEnd.getPosition(), (Point{80, 80}));
    EXPECT_TRUE(ToolTest::isWellFormed(VTQUILL::Line(joint.getContainer())));
    EXPECT_EQ(undoText(), "Undo Edit Line");
}

TEST_F(SolderJointDragTest, PressingNearASegmentsEndAtAJointGrabsTheJoint) {
    const auto tool = pressedTool(DOVE2::DiagramElement(dangling), {81, 14});
    moveTool(*tool, {81, 20});
    EXPECT_EQ(tool->getMode(), Mode::SolderDrag);
}

}  // namespace
