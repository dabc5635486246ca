#include "rook2/Ellipse.h"

#include <cmath>

namespace ROOK2 {

bool Ellipse::contains(const PARR::GLPoint<double>& p, double tolerance) const {
    const double rx = rect_.width / 2.0 + tolerance;
    const double ry = rect_.height / 2.0 + tolerance;
    if (rx <= 0.0 || ry <= 0.0)
        return false;
    const double dx = (p.x - rect_.hCenter()) / rx;
    const double dy = (p.y - rect_.vCenter()) / ry;
    return dx * dx + dy * dy <= 1.0;
}

}  // namespace ROOK2
