#include "tools/MoveTool.h"

#include <gtest/gtest.h>

#include "LineChecks.h"
#include "SourceAndSinkTest.h"
#include "application/Application.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"

namespace {

using TestSupport::ModuleEditor;
using TestSupport::stateOf;
using Point = PARR::GLPoint<double>;

// The source wired to the sink by a line without a route yet, in a block-diagram editor.
class MoveToolTest : public ToolTest::SourceAndSinkTest {
protected:
    template <class Handle>
    Handle inView(const Handle& handle) const {
        return SourceAndSinkTest::inView(view.editor(), handle);
    }
    // Drags `block` by `by`, pressing at its centre.
    void dragBlock(const VTQUILL::Block& block, const Point& by) {
        const Point from = view.centreOf(block);
        view.drag(from, from + by);
    }

    VTQUILL::Segment wire = b.connect(out, in);
    ModuleEditor view{b.diagram()};
};

TEST_F(MoveToolTest, DraggingABlockReroutesItsLineLiveAndRecordsOneMoveThatUndoesExactly) {
    const auto before = stateOf(b.model());
    const Point from = view.centreOf(source);
    view.press(from);
    view.move(from + Point{20, 10});
    view.move(from + Point{40, 20});
    EXPECT_EQ(inView(source).getPosition(), (Point{40, 20}));
    EXPECT_EQ(source.getPosition(), (Point{0, 0}));
    EXPECT_TRUE(ToolTest::isWellFormed(inView(wire).getContainer()));

    view.release(from + Point{40, 20});

    EXPECT_EQ(source.getPosition(), (Point{40, 20}));
    EXPECT_TRUE(view.viewShowsRoot());
    const PARR::Path route = Vantor::Application::getCompleteSegmentPath(wire);
    EXPECT_EQ(route.front(), Vantor::Application::elementPathPoint(out));
    EXPECT_EQ(route.back(), Vantor::Application::elementPathPoint(in));
    EXPECT_TRUE(ToolTest::isWellFormed(wire.getContainer()));
    EXPECT_EQ(undoText(), "Undo Move");
    view.editor().undo();
    EXPECT_EQ(stateOf(b.model()), before);
}

TEST_F(MoveToolTest, ALineBetweenTwoMovingBlocksIsShiftedWhole) {
    b.edit([&] {
        wire.setPath({{50, 15}, {120, 15}, {120, 115}, {185, 115}});
        return 0;
    });
    view.editor().select(source);
    view.editor().select(sink, true);

    dragBlock(source, {30, 40});

    EXPECT_EQ(wire.getPath(), (PARR::Path{{80, 55}, {150, 55}, {150, 155}, {215, 155}}));
    EXPECT_EQ(sink.getPosition(), (Point{230, 140}));
}

TEST_F(MoveToolTest, ASegmentWithoutAPathBetweenTwoMovingBlocksIsRedrawnWhereItsEndsWent) {
    view.editor().select(source);
    view.editor().select(sink, true);
    const PARR::GLRect<double> drawn = view.sceneBoxOf(wire);

    dragBlock(source, {30, 40});

    EXPECT_TRUE(wire.getPath().empty());
    EXPECT_EQ(view.sceneBoxOf(wire).topLeft(), drawn.topLeft() + Point(30, 40));
    view.editor().undo();
    EXPECT_EQ(view.sceneBoxOf(wire).topLeft(), drawn.topLeft());
}

TEST_F(MoveToolTest, HalfUnitDisplacementsAreRoundedAwayFromZero) {
    dragBlock(source, {2.5, -2.5});
    EXPECT_EQ(source.getPosition(), (Point{3, -3}));
}

TEST_F(MoveToolTest, ADisplacementSnappedToAPortAtAHalfUnitIsRoundedAfterTheSnap) {
    const VTQUILL::Block odd = b.block("Odd", {200, 200, 40, 31});
    const VTQUILL::Port half = b.port(odd, VTQUILL::kInPort, {0, 15.5}, 180);
    ASSERT_EQ(Vantor::Application::getAbsolutePosition(half).y, 215.5);

    // The output (12 units below the source's top) comes within a unit of the input's row.
    dragBlock(source, {0, 203.2});

    EXPECT_EQ(source.getPosition(), (Point{0, 204}));
}

TEST_F(MoveToolTest, EscapeDropsThePreviewAndTheReleaseRecordsNothing) {
    const auto before = stateOf(b.model());
    const Point from = view.centreOf(source);
    view.press(from);
    view.move(from + Point{30, 30});
    ASSERT_FALSE(view.viewShowsRoot());

    view.key(Vantor::MoveTool::kEscapeKey);
    view.move(from + Point{60, 30});
    view.release(from + Point{60, 30});

    EXPECT_TRUE(view.viewShowsRoot());
    EXPECT_EQ(stateOf(b.model()), before);
    EXPECT_FALSE(view.editor().canUndo());
}

}  // namespace
