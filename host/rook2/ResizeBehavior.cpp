#include "rook2/ResizeBehavior.h"

#include "rook2/EllipseNode.h"
#include "rook2/RectNode.h"
#include "rook2/RoundedRectNode.h"

namespace ROOK2 {

PARR::StringID ResizeBehavior::staticGetDefaultRole() {
    static const PARR::StringID role("ROOK2:ResizeBehavior");
    return role;
}

void ResizeBehavior::beginResize(Node& target, Corner corner, const PARR::GLRect<double>& startRect,
                                 MouseEvent& event) {
    target_ = WeakRef<Node>(&target);
    corner_ = corner;
    startRect_ = startRect;
    done_ = false;
    event.consume();
}

void ResizeBehavior::resizeStep(const PARR::GLRect<double>& rect, MouseEvent& event) {
    applyRect(rect);
    event.consume();
}

void ResizeBehavior::endResize(const PARR::GLRect<double>& rect, MouseEvent& event) {
    applyRect(rect);
    target_.reset();
    done_ = true;
    event.consume();
}

void ResizeBehavior::applyRect(const PARR::GLRect<double>& rect) {
    Node* target = target_.get();
    if (!target)
        return;
    target->setPosition(rect.topLeft());
    const PARR::GLRect<double> box(0.0, 0.0, rect.width, rect.height);
    if (auto* r = dynamic_cast<RectNode*>(target))  // rounded ones too
        r->setRect(box);
    else if (auto* e = dynamic_cast<EllipseNode*>(target))
        e->setEllipse(Ellipse(box));
}

}  // namespace ROOK2
