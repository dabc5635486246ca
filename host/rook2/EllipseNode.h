#pragma once

#include "rook2/Ellipse.h"
#include "rook2/Node.h"

namespace ROOK2 {

// An ellipse in the node's own frame, hit inside its outline.
class EllipseNode : public Node {
public:
    EllipseNode() = default;
    explicit EllipseNode(const Ellipse& ellipse) : ellipse_(ellipse) {}

    void setEllipse(const Ellipse& ellipse);
    const Ellipse& getEllipse() const { return ellipse_; }
    // Change the extent of the ellipse's box, keeping its top-left corner.
    void setWidth(double width);
    void setHeight(double height);

    void accept(NodeVisitor& visitor) const override;
    PARR::GLRect<double> contentRect() const override { return ellipse_.rect(); }
    bool hitsContent(const PARR::GLPoint<double>& p, double tolerance) const override;

private:
    Ellipse ellipse_;
};

}  // namespace ROOK2
