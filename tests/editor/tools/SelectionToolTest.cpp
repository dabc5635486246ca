#include "tools/SelectionTool.h"

#include <gtest/gtest.h>

#include "SourceAndSinkTest.h"

#include "dove2/tools/MoveTool.h"
#include "main/initialize.h"
#include "rook2/MoveTool.h"
#include "rook2/ToolConstructor.h"
#include "support/HeadlessEditor.h"
#include "support/ModuleEditor.h"
#include "tools/DummyTool.h"
#include "tools/LineMoveTool.h"
#include "tools/MoveTool.h"

namespace {

using Point = PARR::GLPoint<double>;

// The source wired to the sink by a route with a vertical leg at x = 120.
class SelectionToolTest : public ToolTest::SourceAndSinkTest {
protected:
    // The tool on top of the stack after pressing at `at` and moving by (0, 10) with the
    // button held, in `view`.
    ROOK2::Tool* toolDragging(TestSupport::EditorDriver& view, DOVE2::Editor& editor,
                              const Point& at) {
        view.press(at);
        view.move(at + Point{0, 10});
        return editor.getScene()->currentTool();
    }

    VTQUILL::Segment wire = wireThem();
};

TEST_F(SelectionToolTest, DraggingASegmentReshapesItsLineAndDraggingABlockMovesIt) {
    TestSupport::ModuleEditor view(b.diagram());
    EXPECT_NE(dynamic_cast<Vantor::LineMoveTool*>(toolDragging(view, view.editor(), {120, 60})),
              nullptr);
    view.release({120, 70});
    EXPECT_NE(
        dynamic_cast<Vantor::MoveTool*>(toolDragging(view, view.editor(), view.centreOf(source))),
        nullptr);
    view.release(view.centreOf(source) + Point{0, 10});
}

TEST_F(SelectionToolTest, WithoutALineMoveToolTheSegmentDragFallsBackToTheFrameworksMove) {
    initialize_vt_editor();  // the module's glyphs, which the selection tool looks for
    TestSupport::HeadlessEditor view(b.diagram());
    DOVE2::Editor& editor = view.editor();
    editor.addToolConstructor(ROOK2::makeToolConstructor<Vantor::SelectionTool>(editor));
    editor.addToolByRole(ROOK2::SelectionTool::staticGetDefaultRole());

    ROOK2::Tool* none = toolDragging(view, editor, {120, 60});
    EXPECT_NE(dynamic_cast<DOVE2::MoveTool*>(none), nullptr);
    view.release({120, 70});

    // A role that makes a tool of another class.
    editor.addToolConstructor(PARR::Holder<ROOK2::BaseToolConstructor>(
        new ROOK2::ToolConstructor<Vantor::DummyTool, DOVE2::Editor&>(
            Vantor::LineMoveTool::staticGetDefaultRole(), editor)));
    ROOK2::Tool* other = toolDragging(view, editor, {120, 60});
    EXPECT_NE(dynamic_cast<DOVE2::MoveTool*>(other), nullptr);
    EXPECT_EQ(editor.getToolByRole(Vantor::LineMoveTool::staticGetDefaultRole()), nullptr);
    view.release({120, 70});
}

}  // namespace
