#include "rook2/EllipseNode.h"

#include "rook2/NodeVisitor.h"

namespace ROOK2 {

void EllipseNode::setEllipse(const Ellipse& ellipse) {
    if (ellipse == ellipse_)
        return;
    ellipse_ = ellipse;
    geometryChanged();
}

void EllipseNode::setWidth(double width) {
    const PARR::GLRect<double>& r = ellipse_.rect();
    setEllipse(Ellipse({r.x, r.y, width, r.height}));
}

void EllipseNode::setHeight(double height) {
    const PARR::GLRect<double>& r = ellipse_.rect();
    setEllipse(Ellipse({r.x, r.y, r.width, height}));
}

bool EllipseNode::hitsContent(const PARR::GLPoint<double>& p, double tolerance) const {
    return ellipse_.contains(p, tolerance + getStroke().halfExtent());
}

void EllipseNode::accept(NodeVisitor& visitor) const {
    visitor.visit(*this);
}

}  // namespace ROOK2
