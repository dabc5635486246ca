#include "rook2/RectNode.h"

#include "rook2/NodeVisitor.h"

namespace ROOK2 {

void RectNode::setRect(const PARR::GLRect<double>& rect) {
    if (rect == rect_)
        return;
    rect_ = rect;
    geometryChanged();
}

void RectNode::setWidth(double width) {
    setRect({rect_.x, rect_.y, width, rect_.height});
}

void RectNode::setHeight(double height) {
    setRect({rect_.x, rect_.y, rect_.width, height});
}

void RectNode::accept(NodeVisitor& visitor) const {
    visitor.visit(*this);
}

}  // namespace ROOK2
