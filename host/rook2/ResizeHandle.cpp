#include "rook2/ResizeHandle.h"

#include "rook2/ResizeBehavior.h"
#include "rook2/Scene.h"

namespace ROOK2 {

namespace {

PARR::GLPoint<double> cornerOf(const PARR::GLRect<double>& r, ResizeHandler::Corner corner) {
    switch (corner) {
        case ResizeHandler::TopLeft:
            return r.topLeft();
        case ResizeHandler::TopRight:
            return {r.right(), r.top()};
        case ResizeHandler::BottomRight:
            return r.bottomRight();
        case ResizeHandler::BottomLeft:
            return {r.left(), r.bottom()};
    }
    return r.topLeft();
}

ResizeHandler::Corner opposite(ResizeHandler::Corner corner) {
    return static_cast<ResizeHandler::Corner>((corner + 2) % 4);
}

// A scene point in the frame of `node`'s parent.
PARR::GLPoint<double> toParentFrame(const Node& node, const PARR::GLPoint<double>& p) {
    return node.getParent() ? node.getParent()->mapFromScene(p) : p;
}

}  // namespace

ResizeHandle::ResizeHandle(ResizeHandler::Corner corner) : corner_(corner) {
    setControl(true);
    setFill(Fill(PARR::Color(1.0, 1.0, 1.0, 1.0)));
    setStroke(Stroke(PARR::Color(0.0, 0.0, 0.0, 1.0), 0.0, Stroke::Solid, 0, 0));
    setEventHandler(this);
}

void ResizeHandle::placeOn(const PARR::GLRect<double>& box) {
    const PARR::GLPoint<double> c = cornerOf(box, corner_);
    setRect({c.x - kSize / 2, c.y - kSize / 2, kSize, kSize});
}

ResizeHandler* ResizeHandle::findHandler() {
    Scene* scene = getScene();
    if (!scene)
        return nullptr;
    const PARR::StringID role = ResizeBehavior::staticGetDefaultRole();
    Tool* tool = scene->getToolByRole(role);
    if (!tool)
        tool = scene->addToolByRole(role);
    return dynamic_cast<ResizeHandler*>(tool);
}

void ResizeHandle::handleMousePressEvent(MouseEvent& event) {
    Node* target = getParent();
    if (event.button() != MouseEvent::LeftButton || !target)
        return;
    handler_ = findHandler();
    if (!handler_)
        return;
    target_ = WeakRef<Node>(target);
    startRect_ = target->localToParent().mapRect(target->contentRect());
    startPoint_ = toParentFrame(*target, event.scenePos());
    handler_->beginResize(*target, corner_, startRect_, event);
    event.consume();
}

PARR::GLRect<double> ResizeHandle::requestedRect(const MouseEvent& event) const {
    const Node* target = target_.get();
    const PARR::GLPoint<double> now = toParentFrame(*target, event.scenePos());
    const PARR::GLPoint<double> moved = cornerOf(startRect_, corner_) + (now - startPoint_);
    return PARR::GLRect<double>::fromCorners(cornerOf(startRect_, opposite(corner_)), moved);
}

void ResizeHandle::handleMouseMoveEvent(MouseEvent& event) {
    if (!handler_ || !target_)
        return;
    handler_->resizeStep(requestedRect(event), event);
    event.consume();
}

void ResizeHandle::handleMouseReleaseEvent(MouseEvent& event) {
    if (!handler_ || !target_)
        return;
    ResizeHandler* handler = handler_;
    handler_ = nullptr;
    handler->endResize(requestedRect(event), event);
    event.consume();
}

}  // namespace ROOK2
