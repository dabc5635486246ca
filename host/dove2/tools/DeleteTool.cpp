#include "dove2/tools/DeleteTool.h"

#include "dove2/Editor.h"
#include "dove2/tools/DeleteElementsCommand.h"

namespace DOVE2 {

DeleteTool::DeleteTool(Editor& editor) : editor_(editor) {}

DeleteTool::~DeleteTool() = default;

PARR::StringID DeleteTool::staticGetDefaultRole() {
    static const PARR::StringID role("DOVE2:DeleteTool");
    return role;
}

void DeleteTool::handleKeyPressEvent(ROOK2::KeyEvent& event) {
    if (!isDeleteKey(event.key()))
        return;
    prepareDelete();
    deleteSelection();
    event.consume();
}

void DeleteTool::prepareDelete() {}

void DeleteTool::deleteSelection() {
    PARR::GSet<DiagramElement> elements;
    for (const DiagramElement& element : editor_.getSelection())
        elements.insert(element);
    if (elements.empty())
        return;
    editor_.processCommand(PARR::Holder<Command>(
        new DeleteElementsCommand(editor_.getRootDeviant(), std::move(elements), "Delete")));
}

}  // namespace DOVE2
