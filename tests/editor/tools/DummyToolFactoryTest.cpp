#include "tools/DummyToolFactory.h"

#include <gtest/gtest.h>

#include "rook2/ToolConstructor.h"
#include "support/BlockDiagramBuilder.h"
#include "support/HeadlessEditor.h"
#include "support/QtTestApplication.h"
#include "tessel/AssertionError.h"
#include "tools/DummyTool.h"

namespace {

using TestSupport::BlockDiagramBuilder;
using TestSupport::HeadlessEditor;

class DummyToolFactoryTest : public ::testing::Test {
protected:
    QApplication& app = TestSupport::qtApplication();
    BlockDiagramBuilder b;
    HeadlessEditor view{b.diagram(), false};
    Vantor::DummyToolFactory factory{&view.editor()};
};

TEST_F(DummyToolFactoryTest, MakesTheDoNothingToolTheEditorsCurrentTool) {
    view.editor().addToolConstructor(ROOK2::makeToolConstructor<Vantor::DummyTool>(view.editor()));

    ROOK2::Tool* tool = factory.createTool();

    ASSERT_NE(dynamic_cast<Vantor::DummyTool*>(tool), nullptr);
    EXPECT_EQ(view.editor().getToolByRole("DoNothing"), tool);
    EXPECT_EQ(view.scene().currentTool(), tool);
}

TEST_F(DummyToolFactoryTest, AnEditorThatCannotMakeTheToolIsAnAssertionFailure) {
    try {
        factory.createTool();
        FAIL() << "no assertion failure";
    } catch (const TESSEL::AssertionError& error) {
        EXPECT_EQ(error.message(), ": tool,");
        EXPECT_EQ(error.source(), "studio/Editor");
    }
}

}  // namespace
