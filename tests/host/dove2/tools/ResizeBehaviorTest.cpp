#include "dove2/tools/ResizeBehavior.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parr/Modifier.h"
#include "rook2/ResizeControls.h"
#include "rook2/ToolConstructor.h"
#include "support/BlockDiagramBuilder.h"
#include "support/HeadlessEditor.h"

using TestSupport::BlockDiagramBuilder;
using TestSupport::HeadlessEditor;
using Corner = ROOK2::ResizeHandler::Corner;
using Point = PARR::GLPoint<double>;
using Rect = PARR::GLRect<double>;

namespace {

// A behaviour whose domain asks for a minimum size, and that writes down its hooks.
class RecordingResizeBehavior : public DOVE2::ResizeBehavior {
public:
    RecordingResizeBehavior(DOVE2::Editor& editor, std::vector<std::string>* log,
                            Point minimum = {})
        : ResizeBehavior(editor), log_(log), minimum_(minimum) {}

    void recordStartingConditions(ROOK2::MouseEvent& event) override {
        log_->push_back("recordStartingConditions");
        ResizeBehavior::recordStartingConditions(event);
        setMinimumSize(minimum_);
    }
    void resizeTo(const Rect& rect) override {
        log_->push_back("resizeTo");
        ResizeBehavior::resizeTo(rect);
    }
    void finishResize(const Rect& rect) override {
        log_->push_back("finishResize");
        ResizeBehavior::finishResize(rect);
    }

private:
    std::vector<std::string>* log_;
    Point minimum_;
};

// The handle's rectangle: the box spanned by the corner opposite `corner` and `dragged`.
Rect requested(const Rect& start, Corner corner, const Point& dragged) {
    const Point corners[] = {start.topLeft(),
                             {start.right(), start.top()},
                             start.bottomRight(),
                             {start.left(), start.bottom()}};
    return Rect::fromCorners(corners[(corner + 2) % 4], dragged);
}

class ResizeBehaviorTest : public ::testing::Test {
protected:
    ResizeBehaviorTest()
        : a(b.block("A", {10, 10, 40, 30})), aOut(b.outPort(a)), view(b.diagram()) {}

    ROOK2::MouseEvent event(unsigned modifiers = 0) const {
        return view.mouse(ROOK2::MouseEvent::Press, {0, 0}, ROOK2::MouseEvent::LeftButton,
                          modifiers);
    }
    // The rectangle `tool` calculates for a drag of `corner` of A to `dragged`.
    Rect calculate(DOVE2::ResizeBehavior& tool, Corner corner, const Point& dragged,
                   unsigned modifiers = 0) {
        const Rect start(10, 10, 40, 30);
        ROOK2::MouseEvent press = event(modifiers);
        tool.beginResize(*view.nodeOf(a), corner, start, press);
        return tool.calculateRect(requested(start, corner, dragged), event(modifiers));
    }
    void useRecordingBehavior(std::vector<std::string>* log, Point minimum = {}) {
        view.editor().addToolConstructor(PARR::Holder<ROOK2::BaseToolConstructor>(
            new ROOK2::ToolConstructor<RecordingResizeBehavior, DOVE2::Editor&,
                                       std::vector<std::string>*, Point>(
                ROOK2::ResizeBehavior::staticGetDefaultRole(), view.editor(), log, minimum)));
    }

    BlockDiagramBuilder b;
    VTQUILL::Block a;
    VTQUILL::Port aOut;
    HeadlessEditor view;
};

}  // namespace

// --- the rectangle rules --------------------------------------------------------------------

TEST_F(ResizeBehaviorTest, DraggingTheBottomRightCornerKeepsTheTopLeftCorner) {
    DOVE2::ResizeBehavior tool(view.editor());
    EXPECT_EQ(calculate(tool, Corner::BottomRight, {70, 60}), Rect(10, 10, 60, 50));
}

TEST_F(ResizeBehaviorTest, DraggingTheTopLeftCornerKeepsTheBottomRightCorner) {
    DOVE2::ResizeBehavior tool(view.editor());
    EXPECT_EQ(calculate(tool, Corner::TopLeft, {0, 5}), Rect(0, 5, 50, 35));
}

TEST_F(ResizeBehaviorTest, DraggingPastTheFixedCornerShrinksToNothingInsteadOfFlipping) {
    DOVE2::ResizeBehavior tool(view.editor());
    EXPECT_EQ(calculate(tool, Corner::BottomRight, {0, 0}), Rect(10, 10, 0, 0));
    EXPECT_EQ(calculate(tool, Corner::TopRight, {-20, 90}), Rect(10, 40, 0, 0));
}

TEST_F(ResizeBehaviorTest, TheRectangleNeverGoesBelowTheMinimumSizeAndTheFixedCornerStays) {
    std::vector<std::string> log;
    RecordingResizeBehavior tool(view.editor(), &log, {10, 8});
    EXPECT_EQ(calculate(tool, Corner::BottomRight, {12, 12}), Rect(10, 10, 10, 8));
    EXPECT_EQ(calculate(tool, Corner::TopLeft, {80, 80}), Rect(40, 32, 10, 8));
}

TEST_F(ResizeBehaviorTest, ShiftKeepsTheStartingAspectRatio) {
    DOVE2::ResizeBehavior tool(view.editor());
    EXPECT_EQ(calculate(tool, Corner::BottomRight, {90, 40}, PARR::ShiftModifier),
              Rect(10, 10, 80, 60));
    EXPECT_EQ(calculate(tool, Corner::TopLeft, {-30, 20}, PARR::ShiftModifier),
              Rect(-30, -20, 80, 60));
}

TEST_F(ResizeBehaviorTest, ControlResizesAboutTheCentre) {
    DOVE2::ResizeBehavior tool(view.editor());
    EXPECT_EQ(calculate(tool, Corner::BottomRight, {60, 50}, PARR::ControlModifier),
              Rect(0, 0, 60, 50));
    EXPECT_TRUE(tool.shouldResizeAboutCenter(event(PARR::ControlModifier)));
    EXPECT_FALSE(tool.shouldPreserveAspect(event(PARR::ControlModifier)));
}

TEST_F(ResizeBehaviorTest, ThePressRecordsTheElementAndItsOriginOffset) {
    DOVE2::ResizeBehavior tool(view.editor());
    calculate(tool, Corner::BottomRight, {60, 50});
    EXPECT_EQ(tool.getDiagramElement(), a);
    EXPECT_EQ(tool.getOriginOffset(), Point(0, 0));
}

// --- the gesture through the corner handles -------------------------------------------------

TEST_F(ResizeBehaviorTest, LiveStepsPreviewInTheViewInstanceAndTheRootChangesAtTheRelease) {
    ASSERT_TRUE(view.editor().select(a));
    view.press({50, 40});
    view.move({60, 55});
    const DOVE2::DiagramElement inView(a.asDeviant(view.editor().getViewInstance()));
    EXPECT_EQ(inView.getSize(), Point(50, 45));
    EXPECT_EQ(a.getSize(), Point(40, 30));
    view.move({70, 60});
    EXPECT_EQ(inView.getSize(), Point(60, 50));
    view.release({70, 60});
    EXPECT_EQ(a.getPosition(), Point(10, 10));
    EXPECT_EQ(a.getSize(), Point(60, 50));
    EXPECT_EQ(view.editor().undoText(), "Resize");
    EXPECT_TRUE(view.viewShowsRoot());
    EXPECT_EQ(view.editor().getToolByRole(ROOK2::ResizeBehavior::staticGetDefaultRole()), nullptr);
}

TEST_F(ResizeBehaviorTest, UndoOfAResizeRestoresTheModelExactly) {
    const auto before = TestSupport::stateOf(b.model());
    ASSERT_TRUE(view.editor().select(a));
    view.drag({10, 10}, {-5, 2});
    ASSERT_EQ(a.getPosition(), Point(-5, 2));
    ASSERT_EQ(a.getSize(), Point(55, 38));
    view.editor().undo();
    EXPECT_EQ(TestSupport::stateOf(b.model()), before);
}

TEST_F(ResizeBehaviorTest, TheHooksRunInGestureOrder) {
    std::vector<std::string> log;
    useRecordingBehavior(&log);
    ASSERT_TRUE(view.editor().select(a));
    view.drag({50, 40}, {80, 70}, 0, 2);
    const std::vector<std::string> expected{"recordStartingConditions", "resizeTo", "resizeTo",
                                            "finishResize"};
    EXPECT_EQ(log, expected);
}

TEST_F(ResizeBehaviorTest, AReleaseWithoutChangeRecordsNothing) {
    ASSERT_TRUE(view.editor().select(a));
    view.press({50, 40});
    view.move({70, 60});
    view.move({50, 40});
    view.release({50, 40});
    EXPECT_FALSE(view.editor().canUndo());
    EXPECT_TRUE(view.viewShowsRoot());
}

TEST_F(ResizeBehaviorTest, WithoutLivePreviewOnlyAnOutlineFollowsThePointer) {
    view.editor().addToolConstructor(PARR::Holder<ROOK2::BaseToolConstructor>(
        new ROOK2::ToolConstructor<DOVE2::ResizeBehavior, DOVE2::Editor&, bool>(
            ROOK2::ResizeBehavior::staticGetDefaultRole(), view.editor(), false)));
    ASSERT_TRUE(view.editor().select(a));
    const std::size_t nodes = view.scene().nodeCount();
    view.press({50, 40});
    view.move({70, 60});
    EXPECT_TRUE(view.viewShowsRoot());
    EXPECT_EQ(view.scene().nodeCount(), nodes + 1);
    view.release({70, 60});
    EXPECT_EQ(view.scene().nodeCount(), nodes);
    EXPECT_EQ(a.getSize(), Point(60, 50));
}

TEST_F(ResizeBehaviorTest, ANestedElementKeepsItsPositionRelativeToItsContainer) {
    const Point portAt = aOut.getPosition();
    ASSERT_TRUE(view.editor().select(aOut));
    // Pressed just outside the small port, so that the bottom-left handle (within the hit
    // tolerance too) is not the one taken.
    const Point handle = view.sceneBoxOf(aOut).bottomRight() + Point(1, 1);
    view.drag(handle, handle + Point(4, 2));
    EXPECT_EQ(aOut.getPosition(), portAt);
    EXPECT_EQ(aOut.getSize(), Point(10, 8));
    EXPECT_EQ(a.getSize(), Point(40, 30));
}
