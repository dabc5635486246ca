#include "tools/SelectionTool.h"

#include "dove2/Editor.h"
#include "dove2/Graphics.h"
#include "rook2/Scene.h"
#include "tools/LineMoveTool.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

SelectionTool::SelectionTool(DOVE2::Editor& editor) : DOVE2::SelectionTool(editor) {}

SelectionTool::~SelectionTool() = default;

DOVE2::DiagramElement SelectionTool::elementOf(const ROOK2::Node* node) const {
    DOVE2::Graphics* graphics = getEditor().getGraphics();
    const PARR::Holder<DOVE2::Glyph> glyph = graphics && node ? graphics->getGlyph(node) : nullptr;
    return glyph ? glyph->diagramElement() : DOVE2::DiagramElement();
}

DOVE2::DiagramElement SelectionTool::pressedLinePart() const {
    if (ROOK2::Scene* scene = getScene()) {
        const ROOK2::MouseEvent& press = lastMousePressEvent();
        const DOVE2::DiagramElement under =
            elementOf(scene->nodeAt(press.scenePos(), scene->hitTolerance()));
        if (VTQUILL::SolderJoint(under).isValid())
            return under;
    }
    const DOVE2::DiagramElement pressed = elementOf(mousePressNode());
    if (VTQUILL::Segment(pressed).isValid() || VTQUILL::SolderJoint(pressed).isValid())
        return pressed;
    return {};
}

void SelectionTool::invokeMoveTool(ROOK2::MouseEvent& event) {
    const DOVE2::DiagramElement part = pressedLinePart();
    ROOK2::Tool* made =
        part.isValid() ? getEditor().addToolByRole(LineMoveTool::staticGetDefaultRole()) : nullptr;
    auto* tool = dynamic_cast<LineMoveTool*>(made);
    if (!tool) {
        // No line move tool for the role: the drag moves the selection instead, and a tool of
        // another class that the role made goes again.
        if (made)
            getEditor().removeTool(made);
        DOVE2::SelectionTool::invokeMoveTool(event);
        return;
    }
    tool->setElement(part);
    ROOK2::MouseEvent press = lastMousePressEvent();
    press.resetConsumed();
    tool->handleMousePressEvent(press);
    tool->handleMouseMoveEvent(event);
}

}  // namespace Vantor
