#pragma once

#include "parr/GLRect.h"
#include "rook2/Node.h"

namespace ROOK2 {

// An axis-parallel rectangle in the node's own frame, filled and outlined. The whole
// rectangle is hit, whatever its fill (a transparent rectangle serves as a hit area).
class RectNode : public Node {
public:
    RectNode() = default;
    explicit RectNode(const PARR::GLRect<double>& rect) : rect_(rect) {}

    void setRect(const PARR::GLRect<double>& rect);
    const PARR::GLRect<double>& getRect() const { return rect_; }
    // Change the extent, keeping the top-left corner.
    void setWidth(double width);
    void setHeight(double height);

    void accept(NodeVisitor& visitor) const override;
    PARR::GLRect<double> contentRect() const override { return rect_; }

private:
    PARR::GLRect<double> rect_;
};

}  // namespace ROOK2
