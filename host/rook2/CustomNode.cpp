#include "rook2/CustomNode.h"

#include "rook2/NodeVisitor.h"

namespace ROOK2 {

void CustomNode::setPainter(const PARR::Holder<CustomNodePainter>& painter) {
    painter_ = painter;
    ++version_;
    geometryChanged();
}

void CustomNode::repaintRequired() {
    ++version_;
    geometryChanged();  // the painter's bounds may have changed with its drawing
}

void CustomNode::accept(NodeVisitor& visitor) const {
    visitor.visit(*this);
}

PARR::GLRect<double> CustomNode::contentRect() const {
    return painter_ ? painter_->bounds().boundingRect() : PARR::GLRect<double>();
}

}  // namespace ROOK2
