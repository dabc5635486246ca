#include <gtest/gtest.h>

#include "parr/Modifier.h"
#include "rook2/MoveTool.h"
#include "rook2/RectNode.h"
#include "rook2/ResizeBehavior.h"
#include "rook2/ResizeControls.h"
#include "rook2/Scene.h"
#include "rook2/SelectionTool.h"
#include "rook2/ToolConstructor.h"

using namespace ROOK2;
using PARR::GLRect;
using PARR::Holder;

namespace {

MouseEvent mouse(MouseEvent::Type type, double x, double y, unsigned modifiers = 0) {
    const int held = type == MouseEvent::Release ? 0 : MouseEvent::LeftButton;
    const int button = type == MouseEvent::Move ? 0 : MouseEvent::LeftButton;
    return MouseEvent(type, {x, y}, {int(x), int(y)}, button, held, modifiers);
}

// A scene with the default selection, move and resize tools registered, the selection tool
// at the bottom of the stack, driven by synthetic events.
class ToolScene : public ::testing::Test {
protected:
    ToolScene() {
        scene.addToolConstructor(makeToolConstructor<SelectionTool>());
        scene.addToolConstructor(makeToolConstructor<MoveTool>());
        scene.addToolConstructor(makeToolConstructor<ResizeBehavior>());
        scene.addToolByRole(SelectionTool::staticGetDefaultRole());
    }
    Holder<RectNode> block(GLRect<double> rect) {
        auto node = scene.createNode<RectNode>(GLRect<double>(0, 0, rect.width, rect.height));
        node->setPosition(rect.topLeft());
        node->setSelectable(true);
        node->setMovable(true);
        return node;
    }
    void send(MouseEvent e) { scene.deliverMouseEvent(e); }
    void drag(double x0, double y0, double x1, double y1, unsigned modifiers = 0) {
        send(mouse(MouseEvent::Press, x0, y0, modifiers));
        send(mouse(MouseEvent::Move, (x0 + x1) / 2, (y0 + y1) / 2, modifiers));
        send(mouse(MouseEvent::Move, x1, y1, modifiers));
        send(mouse(MouseEvent::Release, x1, y1, modifiers));
    }
    Scene scene;
};

}  // namespace

TEST_F(ToolScene, APressSelectsTheNodeUnderThePointerAndOnEmptySpaceClears) {
    auto a = block({0, 0, 40, 30});
    auto b = block({100, 0, 40, 30});
    send(mouse(MouseEvent::Press, 10, 10));
    send(mouse(MouseEvent::Release, 10, 10));
    EXPECT_TRUE(a->isSelected());
    send(mouse(MouseEvent::Press, 110, 10));
    EXPECT_FALSE(a->isSelected());
    EXPECT_TRUE(b->isSelected());
    send(mouse(MouseEvent::Press, 500, 500));
    EXPECT_TRUE(scene.getSelection().empty());
}

TEST_F(ToolScene, ShiftOrControlTogglesWithoutClearingTheSelection) {
    auto a = block({0, 0, 40, 30});
    auto b = block({100, 0, 40, 30});
    send(mouse(MouseEvent::Press, 10, 10));
    send(mouse(MouseEvent::Press, 110, 10, PARR::ShiftModifier));
    EXPECT_TRUE(a->isSelected());
    EXPECT_TRUE(b->isSelected());
    send(mouse(MouseEvent::Press, 10, 10, PARR::ControlModifier));
    EXPECT_FALSE(a->isSelected());
    EXPECT_TRUE(b->isSelected());
}

TEST_F(ToolScene, DraggingASelectedMovableNodeMovesItAndTheMoveToolGoesAway) {
    auto a = block({0, 0, 40, 30});
    drag(10, 10, 35, 50);
    EXPECT_EQ(a->getPosition(), PARR::GLPoint<double>(25, 40));
    EXPECT_EQ(scene.getToolByRole(MoveTool::staticGetDefaultRole()), nullptr);
    EXPECT_EQ(scene.getToolStack().size(), 1u);
}

TEST_F(ToolScene, AMoveBelowTheDragThresholdMovesNothing) {
    auto a = block({0, 0, 40, 30});
    send(mouse(MouseEvent::Press, 10, 10));
    send(mouse(MouseEvent::Move, 11, 10));
    send(mouse(MouseEvent::Release, 11, 10));
    EXPECT_EQ(a->getPosition(), PARR::GLPoint<double>(0, 0));
}

TEST_F(ToolScene, ANodeThatIsNotMovableStaysPut) {
    auto a = block({0, 0, 40, 30});
    a->setMovable(false);
    drag(10, 10, 60, 60);
    EXPECT_EQ(a->getPosition(), PARR::GLPoint<double>(0, 0));
}

TEST_F(ToolScene, DraggingACornerHandleResizesTheNodeAboutTheOppositeCorner) {
    auto a = block({100, 100, 40, 30});
    ResizeControls::installCornerResizeControls(a);
    EXPECT_EQ(ResizeControls::countResizeControls(*a), 4);
    drag(140, 130, 160, 150);  // bottom-right handle
    EXPECT_EQ(a->getPosition(), PARR::GLPoint<double>(100, 100));
    EXPECT_EQ(a->getRect(), GLRect<double>(0, 0, 60, 50));
    EXPECT_EQ(scene.getToolByRole(ResizeBehavior::staticGetDefaultRole()), nullptr);
    EXPECT_FALSE(a->isSelected());  // the handle took the press, not the selection tool
}

TEST_F(ToolScene, DraggingTheTopLeftHandleMovesTheNodesCorner) {
    auto a = block({100, 100, 40, 30});
    ResizeControls::installCornerResizeControls(a);
    drag(100, 100, 90, 95);
    EXPECT_EQ(a->getPosition(), PARR::GLPoint<double>(90, 95));
    EXPECT_EQ(a->getRect(), GLRect<double>(0, 0, 50, 35));
}

TEST_F(ToolScene, ResizeHandlesFollowTheNodeAndDoNotCountInItsBounds) {
    auto a = block({0, 0, 40, 30});
    ResizeControls::installCornerResizeControls(a);
    EXPECT_EQ(a->getBounds().boundingRect(), GLRect<double>(0, 0, 40, 30));
    a->setRect({0, 0, 80, 30});
    ResizeControls::installCornerResizeControls(a);
    EXPECT_EQ(ResizeControls::countResizeControls(*a), 4);
    EXPECT_NE(scene.nodeAt({80, 30}, 0), a.get());  // the handle sits on the new corner
    ResizeControls::removeResizeControls(a);
    EXPECT_EQ(ResizeControls::countResizeControls(*a), 0);
}
