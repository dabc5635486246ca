#include "dove2/tools/SelectionTool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parr/Modifier.h"
#include "rook2/MoveTool.h"
#include "rook2/ToolConstructor.h"
#include "support/BlockDiagramBuilder.h"
#include "support/HeadlessEditor.h"

using TestSupport::BlockDiagramBuilder;
using TestSupport::HeadlessEditor;
using Ids = std::vector<QUILL::ObjectId>;

namespace {

// Stands in for the move tool: writes down the events it is given.
class RecordingMoveTool : public ROOK2::Tool {
public:
    explicit RecordingMoveTool(std::vector<ROOK2::MouseEvent>* log) : log_(log) {}
    void handleMousePressEvent(ROOK2::MouseEvent& e) override { record(e); }
    void handleMouseMoveEvent(ROOK2::MouseEvent& e) override { record(e); }
    void handleMouseReleaseEvent(ROOK2::MouseEvent& e) override { record(e); }

private:
    void record(ROOK2::MouseEvent& e) {
        log_->push_back(e);
        e.consume();
    }
    std::vector<ROOK2::MouseEvent>* log_;
};

class SelectionToolTest : public ::testing::Test {
protected:
    SelectionToolTest()
        : a(b.block("A", {10, 10, 40, 30})),
          c(b.block("C", {100, 10, 40, 30})),
          far(b.block("F", {300, 200, 40, 30})),
          view(b.diagram()) {}

    Ids ids(std::initializer_list<QUILL::ImmutableClassObject> elements) const {
        Ids out;
        for (const auto& e : elements)
            out.push_back(e.getObjectId());
        return out;
    }
    DOVE2::SelectionTool& tool() const {
        return dynamic_cast<DOVE2::SelectionTool&>(
            *view.editor().getToolByRole(ROOK2::SelectionTool::staticGetDefaultRole()));
    }

    BlockDiagramBuilder b;
    VTQUILL::Block a, c, far;
    HeadlessEditor view;
};

}  // namespace

// --- clicks ---------------------------------------------------------------------------------

TEST_F(SelectionToolTest, AClickSelectsTheElementUnderThePointerAndReplacesTheSelection) {
    view.click({20, 20});
    EXPECT_EQ(view.selectedIds(), ids({a}));
    view.click({110, 20});
    EXPECT_EQ(view.selectedIds(), ids({c}));
}

TEST_F(SelectionToolTest, AClickOnEmptySpaceClearsTheSelection) {
    view.click({20, 20});
    view.click({500, 500});
    EXPECT_TRUE(view.selectedIds().empty());
}

TEST_F(SelectionToolTest, ShiftExtendsTheSelectionAndControlTogglesAnElementOff) {
    view.click({20, 20});
    view.click({110, 20}, PARR::ShiftModifier);
    EXPECT_EQ(view.selectedIds(), ids({a, c}));
    view.click({20, 20}, PARR::ControlModifier);
    EXPECT_EQ(view.selectedIds(), ids({c}));
}

// --- marquee --------------------------------------------------------------------------------

TEST_F(SelectionToolTest, AMarqueeSelectsTheElementsLyingWhollyInsideIt) {
    view.drag({0, 0}, {145, 45});
    EXPECT_EQ(view.selectedIds(), ids({a, c}));
}

TEST_F(SelectionToolTest, AnElementOnlyPartlyInsideTheMarqueeIsNotSelected) {
    view.drag({0, 0}, {120, 45});
    EXPECT_EQ(view.selectedIds(), ids({a}));
}

TEST_F(SelectionToolTest, AMarqueeDraggedUpwardsSelectsLikeOneDraggedDownwards) {
    view.drag({145, 45}, {0, 0});
    EXPECT_EQ(view.selectedIds(), ids({a, c}));
}

TEST_F(SelectionToolTest, AMarqueeWithShiftAddsToTheSelection) {
    view.click({310, 210});
    view.drag({0, 0}, {60, 45}, PARR::ShiftModifier);
    EXPECT_EQ(view.selectedIds(), ids({far, a}));
}

TEST_F(SelectionToolTest, TheMarqueeIsDrawnWhileDraggingAndRemovedAfterTheRelease) {
    const std::size_t before = view.scene().nodeCount();
    view.press({0, 0});
    view.move({60, 50});
    ASSERT_TRUE(tool().getMarquee().isShown());
    EXPECT_EQ(view.scene().nodeCount(), before + 1);
    EXPECT_EQ(tool().getMarquee().node()->getRect(), PARR::GLRect<double>(0, 0, 60, 50));
    view.release({60, 50});
    EXPECT_FALSE(tool().getMarquee().isShown());
    view.editor().clearSelection();  // drops the selected blocks' resize handles
    EXPECT_EQ(view.scene().nodeCount(), before);
}

TEST_F(SelectionToolTest, ElementsInsideListsOnlyGlyphsWhollyInsideTheRectangle) {
    const PARR::GList<DOVE2::DiagramElement> inside = tool().elementsInside({5, 5, 140, 40});
    ASSERT_EQ(inside.size(), 2u);
    EXPECT_EQ(inside[0], a);
    EXPECT_EQ(inside[1], c);
    EXPECT_TRUE(tool().elementsInside({5, 5, 20, 20}).empty());
}

// --- drag threshold and the move ------------------------------------------------------------

TEST_F(SelectionToolTest, AMovementBelowTheDragThresholdNeitherMovesNorDrawsAMarquee) {
    view.press({20, 20});
    view.move({21, 20});
    view.release({21, 20});
    EXPECT_EQ(a.getPosition(), PARR::GLPoint<double>(10, 10));
    EXPECT_FALSE(view.editor().canUndo());

    view.press({500, 500});
    view.move({501, 500});
    EXPECT_FALSE(tool().getMarquee().isShown());
    view.release({501, 500});
}

TEST_F(SelectionToolTest, DraggingASelectedElementReplaysThePressThenTheMoveIntoTheMoveTool) {
    std::vector<ROOK2::MouseEvent> log;
    view.editor().addToolConstructor(PARR::Holder<ROOK2::BaseToolConstructor>(
        new ROOK2::ToolConstructor<RecordingMoveTool, std::vector<ROOK2::MouseEvent>*>(
            ROOK2::MoveTool::staticGetDefaultRole(), &log)));
    view.press({20, 20});
    view.move({30, 25});
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].type(), ROOK2::MouseEvent::Press);
    EXPECT_EQ(log[0].scenePos(), PARR::GLPoint<double>(20, 20));
    EXPECT_EQ(log[1].type(), ROOK2::MouseEvent::Move);
    EXPECT_EQ(log[1].scenePos(), PARR::GLPoint<double>(30, 25));
    EXPECT_NE(view.editor().getToolByRole(ROOK2::MoveTool::staticGetDefaultRole()), nullptr);
}

TEST_F(SelectionToolTest, WithoutAMoveToolRoleADragMovesNothing) {
    HeadlessEditor bare(b.diagram(), false, "bare");
    bare.editor().addToolConstructor(
        ROOK2::makeToolConstructor<DOVE2::SelectionTool>(bare.editor()));
    bare.editor().addToolByRole(ROOK2::SelectionTool::staticGetDefaultRole());
    bare.drag({20, 20}, {60, 60});
    EXPECT_EQ(bare.selectedIds(), ids({a}));
    EXPECT_EQ(a.getPosition(), PARR::GLPoint<double>(10, 10));
}
