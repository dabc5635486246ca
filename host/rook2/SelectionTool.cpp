#include "rook2/SelectionTool.h"

#include <cmath>

#include "parr/Modifier.h"
#include "rook2/MoveTool.h"
#include "rook2/Scene.h"

namespace ROOK2 {

namespace {

bool extendsSelection(unsigned modifiers) {
    return (modifiers & (PARR::ShiftModifier | PARR::ControlModifier)) != 0;
}

}  // namespace

PARR::StringID SelectionTool::staticGetDefaultRole() {
    static const PARR::StringID role("ROOK2:SelectionTool");
    return role;
}

void SelectionTool::handleMousePressEvent(MouseEvent& event) {
    Scene* scene = getScene();
    if (!scene || event.button() != MouseEvent::LeftButton)
        return;
    Node* node = scene->selectableNodeAt(event.scenePos(), scene->hitTolerance());
    lastPress_ = event;
    pressNode_ = WeakRef<Node>(node);
    pressed_ = true;
    moving_ = false;
    select(node, event.modifiers());
    event.consume();
}

void SelectionTool::select(Node* node, unsigned modifiers) {
    Scene* scene = getScene();
    if (extendsSelection(modifiers)) {
        if (node)
            node->setSelected(!node->isSelected());
        return;
    }
    if (node && node->isSelected())
        return;
    scene->clearSelection();
    if (node)
        node->setSelected(true);
}

void SelectionTool::handleMouseMoveEvent(MouseEvent& event) {
    if (!pressed_ || moving_ || !(event.buttons() & MouseEvent::LeftButton))
        return;
    const double dx = event.widgetPos().x - lastPress_.widgetPos().x;
    const double dy = event.widgetPos().y - lastPress_.widgetPos().y;
    if (std::hypot(dx, dy) < kDragThreshold)
        return;
    Node* node = pressNode_.get();
    if (!node || !node->isMovable() || !node->isSelected())
        return;
    moving_ = true;
    invokeMoveTool(event);
    event.consume();
}

void SelectionTool::handleMouseReleaseEvent(MouseEvent& event) {
    if (!pressed_ || event.button() != MouseEvent::LeftButton)
        return;
    pressed_ = false;
    moving_ = false;
    event.consume();
}

void SelectionTool::invokeMoveTool(MouseEvent& event) {
    Scene* scene = getScene();
    Tool* tool = scene ? scene->addToolByRole(MoveTool::staticGetDefaultRole()) : nullptr;
    if (!tool)
        return;
    MouseEvent press = lastPress_;
    press.resetConsumed();
    tool->handleMousePressEvent(press);
    tool->handleMouseMoveEvent(event);
}

}  // namespace ROOK2
