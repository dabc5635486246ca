#pragma once

#include "parr/GLRect.h"

namespace ROOK2 {

// An ellipse given by the rectangle it is inscribed in. A plain value.
class Ellipse {
public:
    Ellipse() = default;
    explicit Ellipse(const PARR::GLRect<double>& rect) : rect_(rect) {}

    const PARR::GLRect<double>& rect() const { return rect_; }
    void setRect(const PARR::GLRect<double>& rect) { rect_ = rect; }

    // True when `p` lies inside or on the ellipse, or within `tolerance` of its outline
    // (approximately, measured along the radii). An ellipse of zero width or height contains
    // only the points within `tolerance` of its degenerate segment.
    bool contains(const PARR::GLPoint<double>& p, double tolerance) const;

    bool operator==(const Ellipse&) const = default;

private:
    PARR::GLRect<double> rect_;
};

}  // namespace ROOK2
