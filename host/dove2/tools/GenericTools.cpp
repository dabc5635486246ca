#include "dove2/tools/GenericTools.h"

#include "dove2/Editor.h"
#include "dove2/tools/DeleteTool.h"
#include "dove2/tools/EdgeCreationTool.h"
#include "dove2/tools/MoveTool.h"
#include "dove2/tools/ResizeBehavior.h"
#include "dove2/tools/SelectionTool.h"
#include "rook2/ToolConstructor.h"
#include "tessel/AssertionError.h"

namespace DOVE2 {

namespace {

void makeTool(Editor& editor, const PARR::StringID& role) {
    ROOK2::Tool* tool = editor.addToolByRole(role);
    TESSEL_ASSERT(tool, "dove2/tools/GenericTools", __LINE__);
}

}  // namespace

void addGenericToolConstructors(Editor& editor) {
    editor.addToolConstructor(ROOK2::makeToolConstructor<DeleteTool>(editor));
    editor.addToolConstructor(ROOK2::makeToolConstructor<MoveTool>(editor));
    editor.addToolConstructor(PARR::Holder<ROOK2::BaseToolConstructor>(
        new ROOK2::ToolConstructor<ResizeBehavior, Editor&, bool>(
            ROOK2::ResizeBehavior::staticGetDefaultRole(), editor, true)));
    editor.addToolConstructor(ROOK2::makeToolConstructor<EdgeCreationTool>(editor));
    editor.addToolConstructor(ROOK2::makeToolConstructor<SelectionTool>(editor));
}

void installGenericTools(Editor& editor) {
    addGenericToolConstructors(editor);
    makeTool(editor, ROOK2::SelectionTool::staticGetDefaultRole());
    makeTool(editor, EdgeCreationTool::staticGetDefaultRole());
    makeTool(editor, DeleteTool::staticGetDefaultRole());
}

}  // namespace DOVE2
