#include "dove2/tools/PaletteButtonToTool.h"

#include <gtest/gtest.h>

#include "dove2/tools/PaletteButtonToolFactory.h"
#include "dove2/tools/PaletteTool.h"
#include "rook2/ToolConstructor.h"
#include "support/BlockDiagramBuilder.h"
#include "support/HeadlessEditor.h"

using TestSupport::BlockDiagramBuilder;
using TestSupport::HeadlessEditor;

namespace {

// A palette tool that is over as soon as it is on the stack.
class FinishedTool : public DOVE2::PaletteTool {
public:
    explicit FinishedTool(DOVE2::Editor& editor) : PaletteTool(editor) {}
    static PARR::StringID staticGetDefaultRole() { return "Test:Finished"; }
    PARR::StringID getDefaultRole() const override { return staticGetDefaultRole(); }
    bool isDone() const override { return true; }
};

class FinishedToolFactory : public DOVE2::PaletteButtonToolFactory {
public:
    explicit FinishedToolFactory(DOVE2::Editor& editor) : editor_(editor) {}
    ROOK2::Tool* createTool() override {
        ++calls;
        return editor_.addToolByRole(FinishedTool::staticGetDefaultRole());
    }
    int calls = 0;

private:
    DOVE2::Editor& editor_;
};

class PaletteButtonToToolTest : public ::testing::Test {
protected:
    PaletteButtonToToolTest()
        : a(b.block("A", {10, 10, 40, 30})), view(b.diagram()), factory(view.editor()) {
        view.editor().addToolConstructor(ROOK2::makeToolConstructor<FinishedTool>(view.editor()));
    }

    BlockDiagramBuilder b;
    VTQUILL::Block a;
    HeadlessEditor view;
    FinishedToolFactory factory;
};

}  // namespace

TEST_F(PaletteButtonToToolTest, TheButtonShowsTheLabelAndIconItWasGiven) {
    DOVE2::PaletteButtonToTool button(&factory, &view.editor(), "/icons/zoom.png", "zoom out");
    EXPECT_EQ(button.getLabel(), "zoom out");
    EXPECT_EQ(button.getIconPath(), "/icons/zoom.png");
    EXPECT_EQ(button.getFactory(), &factory);
    EXPECT_EQ(button.getEditor(), &view.editor());
}

TEST_F(PaletteButtonToToolTest, ActivatingTheButtonPutsTheFactorysToolOnTopOfTheStack) {
    DOVE2::PaletteButtonToTool button(&factory, &view.editor(), "", "finish");
    button.activate();
    EXPECT_EQ(factory.calls, 1);
    EXPECT_NE(dynamic_cast<FinishedTool*>(view.scene().currentTool()), nullptr);
}

TEST_F(PaletteButtonToToolTest, APaletteToolLeavesEveryEventToTheToolsBelow) {
    DOVE2::PaletteButtonToTool button(&factory, &view.editor(), "", "finish");
    button.activate();
    const std::size_t nodes = view.scene().nodeCount();
    view.click({20, 20});
    EXPECT_EQ(view.selectedIds(), std::vector<QUILL::ObjectId>{a.getObjectId()});
    EXPECT_EQ(view.scene().nodeCount(), nodes + 4) << "only the selected block's resize handles";
    // Done at once: the stack lets it go after the event.
    EXPECT_EQ(view.editor().getToolByRole(FinishedTool::staticGetDefaultRole()), nullptr);
}

TEST_F(PaletteButtonToToolTest, AButtonWithoutFactoryDoesNothing) {
    DOVE2::PaletteButtonToTool button(nullptr, &view.editor(), "", "none");
    const std::size_t tools = view.scene().getToolStack().size();
    button.activate();
    EXPECT_EQ(view.scene().getToolStack().size(), tools);
}
