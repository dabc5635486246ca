#include "dove2/tools/GenericTools.h"

#include <gtest/gtest.h>

#include <vector>

#include "dove2/tools/DeleteTool.h"
#include "dove2/tools/EdgeCreationTool.h"
#include "dove2/tools/MoveTool.h"
#include "dove2/tools/ResizeBehavior.h"
#include "dove2/tools/SelectionTool.h"
#include "support/BlockDiagramBuilder.h"
#include "support/HeadlessEditor.h"

using TestSupport::BlockDiagramBuilder;
using TestSupport::HeadlessEditor;

TEST(GenericToolsTest, InstallingMakesTheSelectionEdgeCreationAndDeleteToolsBottomToTop) {
    BlockDiagramBuilder b;
    HeadlessEditor view(b.diagram());
    const std::vector<ROOK2::Tool*> tools = view.scene().getToolStack().tools();
    ASSERT_EQ(tools.size(), 3u);
    EXPECT_NE(dynamic_cast<DOVE2::SelectionTool*>(tools[0]), nullptr);
    EXPECT_NE(dynamic_cast<DOVE2::EdgeCreationTool*>(tools[1]), nullptr);
    EXPECT_NE(dynamic_cast<DOVE2::DeleteTool*>(tools[2]), nullptr);
    EXPECT_EQ(&dynamic_cast<DOVE2::SelectionTool*>(tools[0])->getEditor(), &view.editor());
}

TEST(GenericToolsTest, TheMoveAndResizeToolsAreMadeOnlyWhenTheirRolesAreAskedFor) {
    BlockDiagramBuilder b;
    HeadlessEditor view(b.diagram());
    ROOK2::ToolStack& stack = view.scene().getToolStack();
    EXPECT_TRUE(stack.hasToolConstructor(ROOK2::MoveTool::staticGetDefaultRole()));
    EXPECT_TRUE(stack.hasToolConstructor(ROOK2::ResizeBehavior::staticGetDefaultRole()));
    EXPECT_EQ(view.editor().getToolByRole(ROOK2::MoveTool::staticGetDefaultRole()), nullptr);

    auto* move = dynamic_cast<DOVE2::MoveTool*>(
        view.editor().addToolByRole(ROOK2::MoveTool::staticGetDefaultRole()));
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(&move->getEditor(), &view.editor());
    auto* resize = dynamic_cast<DOVE2::ResizeBehavior*>(
        view.editor().addToolByRole(ROOK2::ResizeBehavior::staticGetDefaultRole()));
    ASSERT_NE(resize, nullptr);
    EXPECT_TRUE(resize->isLivePreview());
}

TEST(GenericToolsTest, AddingTheConstructorsAloneMakesNoTool) {
    BlockDiagramBuilder b;
    HeadlessEditor view(b.diagram(), false);
    DOVE2::addGenericToolConstructors(view.editor());
    EXPECT_EQ(view.scene().getToolStack().size(), 0u);
    EXPECT_TRUE(
        view.scene().getToolStack().hasToolConstructor(DOVE2::DeleteTool::staticGetDefaultRole()));
    EXPECT_TRUE(view.scene().getToolStack().hasToolConstructor(
        DOVE2::EdgeCreationTool::staticGetDefaultRole()));
    EXPECT_TRUE(view.scene().getToolStack().hasToolConstructor(
        ROOK2::SelectionTool::staticGetDefaultRole()));
}

TEST(GenericToolsTest, TheDefaultRolesAreTheFrameworksNames) {
    EXPECT_EQ(DOVE2::DeleteTool::staticGetDefaultRole().str(), "DOVE2:DeleteTool");
    EXPECT_EQ(DOVE2::EdgeCreationTool::staticGetDefaultRole().str(), "DOVE2:EdgeCreationTool");
}
