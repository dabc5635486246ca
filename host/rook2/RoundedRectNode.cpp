#include "rook2/RoundedRectNode.h"

#include "rook2/NodeVisitor.h"

namespace ROOK2 {

void RoundedRectNode::setCornerRadius(double radius) {
    if (radius == cornerRadius_)
        return;
    cornerRadius_ = radius;
    appearanceChanged();
}

void RoundedRectNode::accept(NodeVisitor& visitor) const {
    visitor.visit(*this);
}

}  // namespace ROOK2
