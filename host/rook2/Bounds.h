#pragma once

#include "parr/GLRect.h"

namespace ROOK2 {

// The extent of a node or of a custom painter's drawing, in the frame its producer states
// (a node's own coordinates for Node::getBounds). Empty bounds have a width or height <= 0.
class Bounds {
public:
    Bounds() = default;
    explicit Bounds(const PARR::GLRect<double>& rect) : rect_(rect) {}

    // The smallest axis-aligned rectangle holding everything the bounds describe.
    const PARR::GLRect<double>& boundingRect() const { return rect_; }
    bool isEmpty() const { return rect_.isEmpty(); }

    bool operator==(const Bounds&) const = default;

private:
    PARR::GLRect<double> rect_;
};

}  // namespace ROOK2
