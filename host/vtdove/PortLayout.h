#pragma once

#include <vector>

#include "parr/GLPoint.h"
#include "vtdove/BlockLibrary.h"

namespace VTDove {

// Where a block's ports sit: signal inputs on the left side facing 180 degrees, signal outputs
// on the right facing 0, each side's ports spread evenly (port i of n at (i + 0.5) / n of the
// side's length). Positions are relative to the block, for a block of `size`.
class PortLayout {
public:
    // The position of port `index` of `count` on the left (or right) side.
    static PARR::GLPoint<double> leftSide(int index, int count, PARR::GLPoint<double> size);
    static PARR::GLPoint<double> rightSide(int index, int count, PARR::GLPoint<double> size);
    static PARR::GLPoint<double> topSide(int index, int count, PARR::GLPoint<double> size);
    static PARR::GLPoint<double> bottomSide(int index, int count, PARR::GLPoint<double> size);

    // `inputs` In Ports on the left, then `outputs` Out Ports on the right.
    static std::vector<PortLayoutEntry> signalPorts(int inputs, int outputs,
                                                    PARR::GLPoint<double> size);
    // One Connection Port in the middle of the left side and one of the right side.
    static std::vector<PortLayoutEntry> leftRightConnections(PARR::GLPoint<double> size);
    // One Connection Port in the middle of the top side (facing up, 90 degrees).
    static std::vector<PortLayoutEntry> topConnection(PARR::GLPoint<double> size);

    static constexpr double kInputOrientation = 180;
    static constexpr double kOutputOrientation = 0;
    static constexpr double kUpOrientation = 90;
    static constexpr double kDownOrientation = 270;

private:
    static double spread(int index, int count, double length);
};

}  // namespace VTDove
