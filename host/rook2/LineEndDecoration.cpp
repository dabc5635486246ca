#include "rook2/LineEndDecoration.h"

#include <cmath>

namespace ROOK2 {

PARR::Transform LineEndDecoration::placement(const PARR::GLPoint<double>& tip,
                                             const PARR::GLPoint<double>& from) {
    const double dx = tip.x - from.x;
    const double dy = tip.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length == 0.0)
        return PARR::Transform::fromTranslate(tip.x, tip.y);
    const double c = dx / length;
    const double s = dy / length;
    // Columns: image of the unit x vector (c, s), of the unit y vector (-s, c).
    return PARR::Transform(c, s, -s, c, tip.x, tip.y);
}

}  // namespace ROOK2
