#pragma once

#include "rook2/RectNode.h"

namespace ROOK2 {

// A rectangle with rounded corners of one radius (node units; clamped to half the shorter
// side when drawn), in the node's own frame. Hit over its whole rectangle.
class RoundedRectNode : public RectNode {
public:
    RoundedRectNode() = default;
    RoundedRectNode(const PARR::GLRect<double>& rect, double cornerRadius)
        : RectNode(rect), cornerRadius_(cornerRadius) {}

    void setCornerRadius(double radius);
    double getCornerRadius() const { return cornerRadius_; }

    void accept(NodeVisitor& visitor) const override;

private:
    double cornerRadius_ = 0.0;
};

}  // namespace ROOK2
