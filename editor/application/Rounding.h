#pragma once

#include <cmath>

#include "parr/GLPoint.h"

namespace Vantor {

// The module's one rounding rule, used wherever a route is stored and wherever a direction is
// read from coordinates: to a whole number, halves away from zero. Computed as floor(v + 0.5)
// for v >= 0 and ceil(v - 0.5) otherwise, so a value whose sum with 0.5 rounds up in doubles
// (0.49999999999999994) goes up too.
inline double roundHalfAwayFromZero(double v) {
    return v >= 0 ? std::floor(v + 0.5) : std::ceil(v - 0.5);
}

// Both coordinates rounded as above.
inline PARR::GLPoint<double> roundHalfAwayFromZero(const PARR::GLPoint<double>& p) {
    return {roundHalfAwayFromZero(p.x), roundHalfAwayFromZero(p.y)};
}

}  // namespace Vantor
