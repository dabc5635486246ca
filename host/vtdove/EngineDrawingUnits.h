#pragma once

#include <QColor>
#include <cstdint>

#include "parr/Angles.h"

namespace VantorRenderer {

// The units of the engine's drawing calls, as Qt takes them. Every painter of engine drawings
// converts through these, so a block looks the same on the canvas and in the library.

// A colour packed as 0xRRGGBBAA.
inline QColor engineColour(std::uint32_t colour) {
    return QColor(static_cast<int>(colour >> 24 & 0xFFu), static_cast<int>(colour >> 16 & 0xFFu),
                  static_cast<int>(colour >> 8 & 0xFFu), static_cast<int>(colour & 0xFFu));
}

// An arc's angle in radians as Qt's sixteenths of a degree, rounded (+0.5, truncated).
inline int arcSixteenths(double radians) {
    return static_cast<int>(PARR::rad_to_16th_deg(radians) + 0.5);
}

}  // namespace VantorRenderer
