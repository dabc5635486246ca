#include "rook2/MoveTool.h"

#include "rook2/Scene.h"

namespace ROOK2 {

namespace {

bool hasSelectedMovableAncestor(const Node& node) {
    for (const Node* p = node.getParent(); p; p = p->getParent()) {
        if (p->isSelected() && p->isMovable())
            return true;
    }
    return false;
}

// The scene displacement `delta` as seen in the frame of `node`'s parent.
PARR::GLPoint<double> inParentFrame(const Node& node, const PARR::GLPoint<double>& delta) {
    const Node* parent = node.getParent();
    if (!parent)
        return delta;
    return parent->mapFromScene(delta) - parent->mapFromScene({0.0, 0.0});
}

}  // namespace

PARR::StringID MoveTool::staticGetDefaultRole() {
    static const PARR::StringID role("ROOK2:MoveTool");
    return role;
}

void MoveTool::handleMousePressEvent(MouseEvent& event) {
    if (event.button() != MouseEvent::LeftButton)
        return;
    start_ = event.scenePos();
    pressed_ = true;
    buildMovingSet();
    event.consume();
}

void MoveTool::handleMouseMoveEvent(MouseEvent& event) {
    if (!pressed_)
        return;
    setDelta(event.scenePos() - start_);
    duringMove();
    event.consume();
}

void MoveTool::handleMouseReleaseEvent(MouseEvent& event) {
    if (!pressed_ || event.button() != MouseEvent::LeftButton)
        return;
    setDelta(event.scenePos() - start_);
    commitMove();
    pressed_ = false;
    done_ = true;
    event.consume();
}

void MoveTool::buildMovingSet() {
    moving_.clear();
    Scene* scene = getScene();
    if (!scene)
        return;
    for (Node* node : scene->getSelection()) {
        if (node->isMovable() && !hasSelectedMovableAncestor(*node))
            moving_.emplace_back(WeakRef<Node>(node), node->getPosition());
    }
}

void MoveTool::duringMove() {
    for (const auto& [ref, startPosition] : moving_) {
        if (Node* node = ref.get())
            node->setPosition(startPosition + inParentFrame(*node, delta_));
    }
}

void MoveTool::commitMove() {
    duringMove();
}

}  // namespace ROOK2
