#include "tools/DeleteTool.h"

#include "dove2/Diagram.h"
#include "dove2/Editor.h"
#include "parr/Holder.h"
#include "tools/DeleteCommand.h"

namespace Vantor {

DeleteTool::DeleteTool(DOVE2::Editor& editor) : DOVE2::DeleteTool(editor) {}

DeleteTool::~DeleteTool() = default;

void DeleteTool::prepareDelete() {}

void DeleteTool::deleteSelection() {
    DOVE2::Editor& editor = getEditor();
    const QUILL::Model root = editor.getDiagram().getRootModel().getRootDeviant();
    PARR::Holder<DeleteCommand> command(new DeleteCommand(root, "Delete"));
    for (const DOVE2::DiagramElement& element : editor.getSelection())
        command->addElement(DOVE2::DiagramElement(element.asDeviant(root)));
    editor.processCommand(command);
}

}  // namespace Vantor
