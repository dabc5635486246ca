#include <gtest/gtest.h>

#include "QtTestApplication.h"
#include "RecordingTool.h"
#include "rook2/ContainerNode.h"
#include "rook2/RectNode.h"
#include "rook2/Scene.h"
#include "rook2/TextNode.h"

using namespace ROOK2;
using PARR::GLRect;
using PARR::Holder;
using rook2test::RecordingTool;

namespace {

MouseEvent mouse(MouseEvent::Type type, double x, double y, int button = MouseEvent::LeftButton) {
    return MouseEvent(type, {x, y}, {int(x), int(y)}, button,
                      type == MouseEvent::Release ? 0 : MouseEvent::LeftButton, 0);
}

class ConsumingHandler : public EventHandler {
public:
    void handleMousePressEvent(MouseEvent& e) override {
        log.push_back("press");
        e.consume();
    }
    void handleMouseMoveEvent(MouseEvent& e) override {
        log.push_back("move");
        e.consume();
    }
    void handleMouseReleaseEvent(MouseEvent& e) override {
        log.push_back("release");
        e.consume();
    }
    std::vector<std::string> log;
};

class SceneEventDelivery : public ::testing::Test {
protected:
    SceneEventDelivery() { scene.getToolStack().addTool(Holder<Tool>(tool), "tool"); }
    Scene scene;
    std::vector<std::string> log;
    RecordingTool* tool = new RecordingTool(log, "tool");
};

}  // namespace

TEST_F(SceneEventDelivery, ToolsReceiveTheEventsWithTheirScenePositions) {
    MouseEvent e = mouse(MouseEvent::Press, 12, 34);
    scene.deliverMouseEvent(e);
    EXPECT_EQ(log, std::vector<std::string>{"tool:press@12,34"});
    EXPECT_EQ(tool->lastEvent.button(), MouseEvent::LeftButton);
}

TEST_F(SceneEventDelivery, ANodeHandlerThatConsumesThePressGrabsTheGestureFromTheTools) {
    ConsumingHandler handler;
    auto node = scene.createNode<RectNode>(GLRect<double>(0, 0, 10, 10));
    node->setEventHandler(&handler);
    for (auto type : {MouseEvent::Press, MouseEvent::Move, MouseEvent::Release}) {
        MouseEvent e = mouse(type, type == MouseEvent::Press ? 5 : 50, 5);
        scene.deliverMouseEvent(e);
    }
    EXPECT_EQ(handler.log, (std::vector<std::string>{"press", "move", "release"}));
    EXPECT_TRUE(log.empty());
    MouseEvent after = mouse(MouseEvent::Move, 50, 5);
    scene.deliverMouseEvent(after);
    EXPECT_EQ(log, std::vector<std::string>{"tool:move@50,5"});
}

TEST_F(SceneEventDelivery, AHandlerOnAnAncestorReceivesPressesOnItsDescendants) {
    ConsumingHandler handler;
    auto root = scene.createNode<ContainerNode>();
    Holder<RectNode> child(new RectNode({0, 0, 10, 10}));
    child->setParent(root);
    root->setEventHandler(&handler);
    MouseEvent e = mouse(MouseEvent::Press, 5, 5);
    scene.deliverMouseEvent(e);
    EXPECT_EQ(handler.log, std::vector<std::string>{"press"});
}

TEST_F(SceneEventDelivery, AnUnconsumedPressOnAHandlerNodeStillReachesTheTools) {
    EventHandler passive;
    auto node = scene.createNode<RectNode>(GLRect<double>(0, 0, 10, 10));
    node->setEventHandler(&passive);
    MouseEvent e = mouse(MouseEvent::Press, 5, 5);
    scene.deliverMouseEvent(e);
    EXPECT_EQ(log, std::vector<std::string>{"tool:press@5,5"});
}

TEST_F(SceneEventDelivery, ADoubleClickOnAnEditableTextStartsEditingInsteadOfReachingTools) {
    rook2test::qtApplication();
    auto text = scene.createNode<TextNode>("Gain");
    text->setEditable(true);
    TextNode* requested = nullptr;
    WREN::Listener listener;
    scene.getTextEditRequestEmitter().connect(listener, [&](TextNode* n) { requested = n; });
    MouseEvent e = mouse(MouseEvent::DoubleClick, 2, 2);
    scene.deliverMouseEvent(e);
    EXPECT_EQ(requested, text.get());
    EXPECT_TRUE(text->isEditing());
    EXPECT_TRUE(log.empty());
}

TEST_F(SceneEventDelivery, ADoubleClickOnAFixedTextGoesToTheTools) {
    rook2test::qtApplication();
    scene.createNode<TextNode>("Gain");
    MouseEvent e = mouse(MouseEvent::DoubleClick, 2, 2);
    scene.deliverMouseEvent(e);
    EXPECT_EQ(log, std::vector<std::string>{"tool:double@2,2"});
}

TEST(TextNodeEditing, CompletingAnEditSetsTheTextAndEmitsIt) {
    rook2test::qtApplication();
    Scene scene;
    auto text = scene.createNode<TextNode>("old");
    text->setEditable(true);
    std::vector<std::string> got;
    WREN::Listener listener;
    text->getEditCompleteEmitter().connect(listener,
                                           [&](const std::string& s) { got.push_back(s); });
    ASSERT_TRUE(text->beginEdit());
    text->completeEdit("new name");
    EXPECT_EQ(text->getText(), "new name");
    EXPECT_EQ(got, std::vector<std::string>{"new name"});
    EXPECT_FALSE(text->isEditing());
}

TEST(TextNodeEditing, ATextThatIsNotEditableDoesNotStartAnEdit) {
    rook2test::qtApplication();
    Scene scene;
    auto text = scene.createNode<TextNode>("x");
    EXPECT_FALSE(text->beginEdit());
}

TEST(TextNodeBounds, TheBoxGrowsWithTheTextAndItsLines) {
    rook2test::qtApplication();
    TextNode shortText("ab");
    TextNode longText("abcdefgh");
    TextNode twoLines("ab\nab");
    EXPECT_GT(shortText.getWidth(), 0.0);
    EXPECT_GT(longText.getWidth(), shortText.getWidth());
    EXPECT_DOUBLE_EQ(twoLines.getWidth(), shortText.getWidth());
    EXPECT_DOUBLE_EQ(twoLines.getHeight(), 2 * shortText.getHeight());
    EXPECT_TRUE(TextNode("").getBounds().isEmpty());
}
