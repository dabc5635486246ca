#include "tools/DummyTool.h"

#include <gtest/gtest.h>

#include "rook2/ToolConstructor.h"
#include "support/BlockDiagramBuilder.h"
#include "support/HeadlessEditor.h"
#include "support/QtTestApplication.h"
#include "wren/Listener.h"

namespace {

using TestSupport::BlockDiagramBuilder;
using TestSupport::HeadlessEditor;

TEST(DummyTool, IsDoneAtOnceLeavesTheSceneUnchangedAndLeavesTheStackAfterTheNextEvent) {
    TestSupport::qtApplication();
    BlockDiagramBuilder b;
    const VTQUILL::Block block = b.block("A", {0, 0, 40, 30});
    HeadlessEditor view(b.diagram(), false);
    DOVE2::Editor& editor = view.editor();
    editor.addToolConstructor(ROOK2::makeToolConstructor<Vantor::DummyTool>(editor));
    const std::size_t nodes = view.scene().nodeCount();
    const auto model = TestSupport::stateOf(b.model());
    int sceneChanges = 0;
    WREN::Listener listener;
    view.scene().getChangedEmitter().connect(listener, [&](ROOK2::Scene*) { ++sceneChanges; });

    ROOK2::Tool* tool = editor.addToolByRole("DoNothing");

    ASSERT_NE(dynamic_cast<Vantor::DummyTool*>(tool), nullptr);
    EXPECT_TRUE(tool->isDone());
    EXPECT_EQ(tool->getRole(), Vantor::DummyTool::staticGetDefaultRole());
    EXPECT_EQ(view.scene().nodeCount(), nodes);
    EXPECT_EQ(sceneChanges, 0);

    view.click(view.centreOf(block));

    EXPECT_EQ(editor.getToolByRole("DoNothing"), nullptr);
    EXPECT_EQ(view.scene().nodeCount(), nodes);
    EXPECT_EQ(TestSupport::stateOf(b.model()), model);
    EXPECT_FALSE(editor.canUndo());
}

}  // namespace
