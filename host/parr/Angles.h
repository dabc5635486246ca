#pragma once

#include <numbers>

namespace PARR {

// Angle conversions. Sixteenths of a degree are the unit of the painter's arc calls: a full
// turn is 5760 of them.

// Radians to sixteenths of a degree (2 * pi -> 5760). Not rounded.
inline double rad_to_16th_deg(double radians) {
    return radians * (2880.0 / std::numbers::pi);
}

// Degrees to radians (180 -> pi).
inline double deg_to_rad(double degrees) {
    return degrees * (std::numbers::pi / 180.0);
}

// Radians to degrees (pi -> 180).
inline double rad_to_deg(double radians) {
    return radians * (180.0 / std::numbers::pi);
}

}  // namespace PARR
