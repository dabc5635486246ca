#include "tools/SegmentCreationTool.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "LineChecks.h"
#include "SourceAndSinkTest.h"
#include "application/Application.h"
#include "parr/Modifier.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"

namespace {

using Point = PARR::GLPoint<double>;
using TestSupport::ModuleEditor;
using TestSupport::stateOf;

// The source and the sink, nothing connected, in a block-diagram editor.
class SegmentCreationToolTest : public ToolTest::SourceAndSinkTest {
protected:
    template <class Handle>
    Handle inView(const Handle& handle) const {
        return SourceAndSinkTest::inView(view.editor(), handle);
    }
    Vantor::SegmentCreationTool& tool() const {
        return dynamic_cast<Vantor::SegmentCreationTool&>(
            *view.editor().getToolByRole(DOVE2::EdgeCreationTool::staticGetDefaultRole()));
    }

    ModuleEditor view{b.diagram()};
};

TEST_F(SegmentCreationToolTest, DrawingFromAnOutputToAnInputMakesASignalLineInOneCommand) {
    const auto before = stateOf(b.model());

    view.drag(view.centreOf(out), view.centreOf(in));

    const VTQUILL::Segment made = out.getEdge();
    ASSERT_TRUE(made.isValid());
    EXPECT_EQ(in.getEdge(), made);
    EXPECT_EQ(made.getContainer().getType(), VTQUILL::kSignalLine);
    EXPECT_TRUE(ToolTest::isWellFormed(made.getContainer()));
    EXPECT_TRUE(view.viewShowsRoot());
    EXPECT_EQ(undoText(), "Undo Create Segment");
    view.editor().undo();
    EXPECT_EQ(stateOf(b.model()), before);
}

TEST_F(SegmentCreationToolTest, DrawingFromAnInputToAnOutputPutsTheOutputAtTheSource) {
    view.drag(view.centreOf(in), view.centreOf(out));

    const VTQUILL::Segment made = out.getEdge();
    ASSERT_TRUE(made.isValid());
    EXPECT_EQ(made.getSrcElement(), out);
    EXPECT_EQ(made.getDstElement(), in);
}

TEST_F(SegmentCreationToolTest, DraggingFromAnInputPreviewsASegmentFromAFreeEndAtThePointer) {
    view.press(view.centreOf(in));
    view.move({120.4, 40.5});

    const VTQUILL::Segment preview = inView(in).getEdge();
    ASSERT_TRUE(preview.isValid());
    const VTQUILL::Terminator freeEnd(preview.getSrcElement());
    ASSERT_TRUE(freeEnd.isValid());
    EXPECT_EQ(freeEnd.getPosition(), (Point{120, 41}));
    EXPECT_EQ(preview.getDstElement(), in);

    view.release({120.4, 40.5});
    EXPECT_FALSE(in.getEdge().isValid());
    EXPECT_FALSE(view.editor().canUndo());
    EXPECT_TRUE(view.viewShowsRoot());
}

TEST_F(SegmentCreationToolTest, EscapeDropsThePreviewAndMakesNoSegment) {
    constexpr int kEscape = 0x01000000;
    view.press(view.centreOf(out));
    view.move({120, 40});
    ASSERT_FALSE(view.viewShowsRoot());

    view.key(kEscape);
    view.move(view.centreOf(in));
    view.release(view.centreOf(in));

    EXPECT_TRUE(view.viewShowsRoot());
    EXPECT_FALSE(out.getEdge().isValid());
    EXPECT_FALSE(view.editor().canUndo());
}

TEST_F(SegmentCreationToolTest, ClicksLayCornersUntilAClickOnAPortFinishesTheSegment) {
    view.click(view.centreOf(out));
    ASSERT_TRUE(tool().isInClickMode());
    EXPECT_TRUE(tool().getVertexPath().empty());

    view.move({120, 60});
    view.click({120, 60});
    const PARR::Path corners = tool().getVertexPath();
    EXPECT_EQ(corners.back(), (Point{120, 60}));
    view.move(view.centreOf(in));
    view.click(view.centreOf(in));

    const VTQUILL::Segment made = out.getEdge();
    ASSERT_TRUE(made.isValid());
    EXPECT_EQ(in.getEdge(), made);
    const PARR::Path route = Vantor::Application::getCompleteSegmentPath(made);
    EXPECT_NE(std::find(route.begin(), route.end(), Point{120, 60}), route.end());
    EXPECT_TRUE(ToolTest::isWellFormed(made.getContainer()));
    EXPECT_FALSE(tool().isInClickMode());
    EXPECT_EQ(undoText(), "Undo Create Segment");
}

// The source is wired to the sink; a third block's input waits for a branch.
class BranchCreationTest : public SegmentCreationToolTest {
protected:
    VTQUILL::Segment wire = wireThem();
    VTQUILL::Port third = b.inPort(b.block("Third", {200, 200, 40, 30}));
};

TEST_F(BranchCreationTest, ControlPressOnASegmentBranchesFromAJointOnTheGrid) {
    view.drag({120.4, 60.6}, view.centreOf(third), PARR::ControlModifier);

    const VTQUILL::Segment branch = third.getEdge();
    ASSERT_TRUE(branch.isValid());
    const VTQUILL::SolderJoint joint(branch.getSrcElement());
    ASSERT_TRUE(joint.isValid());
    EXPECT_EQ(joint.getPosition(), (Point{120, 61}));
    EXPECT_EQ(branch.getContainer(), wire.getContainer());
    EXPECT_TRUE(ToolTest::isWellFormed(wire.getContainer()));
}

TEST_F(BranchCreationTest, APressOnASegmentWithoutControlStartsNoSegment) {
    view.drag({120, 60}, view.centreOf(third));
    EXPECT_FALSE(third.getEdge().isValid());
}

}  // namespace
