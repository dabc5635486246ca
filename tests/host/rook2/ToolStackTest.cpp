#include "rook2/ToolStack.h"

#include <gtest/gtest.h>

#include "RecordingTool.h"
#include "rook2/CallbackToolState.h"
#include "rook2/Scene.h"
#include "rook2/ToolConstructor.h"

using namespace ROOK2;
using PARR::Holder;
using PARR::StringID;
using rook2test::RecordingTool;

namespace {

struct FakeEditor {
    std::vector<std::string> log;
};

class EditorTool : public RecordingTool {
public:
    explicit EditorTool(FakeEditor& editor) : RecordingTool(editor.log, "editor") {}
};

MouseEvent press(double x, double y) {
    return MouseEvent(MouseEvent::Press, {x, y}, {int(x), int(y)}, MouseEvent::LeftButton,
                      MouseEvent::LeftButton, 0);
}

}  // namespace

TEST(ToolRoles, AddToolByRoleMakesATheToolOfTheRegisteredConstructor) {
    Scene scene;
    FakeEditor editor;
    scene.addToolConstructor(
        Holder<BaseToolConstructor>(new ToolConstructor<EditorTool, FakeEditor&>("Edit", editor)));
    Tool* tool = scene.addToolByRole("Edit");
    ASSERT_NE(tool, nullptr);
    EXPECT_NE(dynamic_cast<EditorTool*>(tool), nullptr);
    EXPECT_EQ(scene.currentTool(), tool);
    EXPECT_EQ(scene.getToolByRole("Edit"), tool);
    EXPECT_EQ(tool->getScene(), &scene);
    EXPECT_EQ(tool->getRole(), StringID("Edit"));
}

TEST(ToolRoles, AddToolByRoleReturnsNothingForAnUnregisteredRole) {
    Scene scene;
    EXPECT_EQ(scene.addToolByRole("Nobody"), nullptr);
    EXPECT_EQ(scene.getToolStack().size(), 0u);
}

TEST(ToolRoles, EachCallMakesAFreshToolFromTheConstructor) {
    Scene scene;
    FakeEditor editor;
    scene.addToolConstructor(makeToolConstructor<EditorTool>(editor));
    Tool* first = scene.addToolByRole(RecordingTool::staticGetDefaultRole());
    Tool* second = scene.addToolByRole(RecordingTool::staticGetDefaultRole());
    EXPECT_NE(first, second);
    EXPECT_EQ(scene.getToolStack().size(), 2u);
    EXPECT_EQ(scene.getToolByRole(RecordingTool::staticGetDefaultRole()), second);
}

TEST(ToolRoles, ALaterConstructorForTheSameRoleReplacesTheEarlierOne) {
    Scene scene;
    FakeEditor a, b;
    scene.addToolConstructor(makeToolConstructor<EditorTool>(a));
    scene.addToolConstructor(makeToolConstructor<EditorTool>(b));
    MouseEvent e = press(1, 1);
    scene.addToolByRole(RecordingTool::staticGetDefaultRole());
    scene.deliverMouseEvent(e);
    EXPECT_TRUE(a.log.empty());
    EXPECT_EQ(b.log.size(), 1u);
}

TEST(ToolDelivery, EventsGoFromTheTopToolDownUntilOneConsumesThem) {
    Scene scene;
    std::vector<std::string> log;
    scene.getToolStack().addTool(Holder<Tool>(new RecordingTool(log, "bottom")), "b");
    scene.getToolStack().addTool(Holder<Tool>(new RecordingTool(log, "middle", true)), "m");
    scene.getToolStack().addTool(Holder<Tool>(new RecordingTool(log, "top")), "t");
    MouseEvent e = press(4, 5);
    scene.deliverMouseEvent(e);
    EXPECT_EQ(log, (std::vector<std::string>{"top:press@4,5", "middle:press@4,5"}));
    EXPECT_TRUE(e.isConsumed());
}

TEST(ToolDelivery, ADoneToolIsTakenOffAfterTheEventThatFinishedIt) {
    Scene scene;
    std::vector<std::string> log;
    auto* gesture = new RecordingTool(log, "gesture", true);
    gesture->finishOnRelease = true;
    scene.getToolStack().addTool(Holder<Tool>(new RecordingTool(log, "base")), "base");
    scene.getToolStack().addTool(Holder<Tool>(gesture), "gesture");
    MouseEvent release(MouseEvent::Release, {1, 1}, {1, 1}, MouseEvent::LeftButton, 0, 0);
    scene.deliverMouseEvent(release);
    EXPECT_EQ(scene.getToolStack().size(), 1u);
    EXPECT_EQ(scene.getToolByRole("gesture"), nullptr);
}

TEST(ToolDelivery, KeyEventsReachTheTools) {
    Scene scene;
    std::vector<std::string> log;
    scene.getToolStack().addTool(Holder<Tool>(new RecordingTool(log, "t", true)), "t");
    KeyEvent key(KeyEvent::Press, 0x01000007, 0);
    scene.deliverKeyEvent(key);
    EXPECT_EQ(log, std::vector<std::string>{"t:key 16777223"});
    EXPECT_TRUE(key.isConsumed());
}

TEST(ToolDelivery, RemoveToolByRoleTakesTheToolOff) {
    Scene scene;
    std::vector<std::string> log;
    scene.getToolStack().addTool(Holder<Tool>(new RecordingTool(log, "t")), "t");
    EXPECT_TRUE(scene.getToolStack().removeToolByRole("t"));
    EXPECT_FALSE(scene.getToolStack().removeToolByRole("t"));
    EXPECT_EQ(scene.currentTool(), nullptr);
}

namespace {

class StateMachineTool : public Tool {
public:
    StateMachineTool() : idle(*this, &StateMachineTool::onPress) {}
    void handleMousePressEvent(MouseEvent& e) override { idle.handleMousePressEvent(e); }
    void handleMouseReleaseEvent(MouseEvent& e) override { idle.handleMouseReleaseEvent(e); }
    void onPress(MouseEvent& e) {
        ++presses;
        e.consume();
    }
    CallbackToolState<StateMachineTool> idle;
    int presses = 0;
};

}  // namespace

TEST(CallbackToolState, CallsTheToolsMemberForASetCallbackAndIgnoresTheOthers) {
    StateMachineTool tool;
    MouseEvent e = press(0, 0);
    tool.handleMousePressEvent(e);
    MouseEvent r(MouseEvent::Release, {0, 0}, {0, 0}, MouseEvent::LeftButton, 0, 0);
    tool.handleMouseReleaseEvent(r);
    EXPECT_EQ(tool.presses, 1);
    EXPECT_TRUE(e.isConsumed());
    EXPECT_FALSE(r.isConsumed());
    EXPECT_EQ(&tool.idle.tool(), &tool);
}
