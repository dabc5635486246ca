#include "vtdove/PortLayout.h"

#include "vtquill/Schema.h"

namespace VTDove {

double PortLayout::spread(int index, int count, double length) {
    return count <= 0 ? length / 2 : length * (2 * index + 1) / (2.0 * count);
}

PARR::GLPoint<double> PortLayout::leftSide(int index, int count, PARR::GLPoint<double> size) {
    return {0, spread(index, count, size.y)};
}

PARR::GLPoint<double> PortLayout::rightSide(int index, int count, PARR::GLPoint<double> size) {
    return {size.x, spread(index, count, size.y)};
}

PARR::GLPoint<double> PortLayout::topSide(int index, int count, PARR::GLPoint<double> size) {
    return {spread(index, count, size.x), 0};
}

PARR::GLPoint<double> PortLayout::bottomSide(int index, int count, PARR::GLPoint<double> size) {
    return {spread(index, count, size.x), size.y};
}

std::vector<PortLayoutEntry> PortLayout::signalPorts(int inputs, int outputs,
                                                     PARR::GLPoint<double> size) {
    std::vector<PortLayoutEntry> ports;
    for (int i = 0; i < inputs; ++i)
        ports.push_back({VTQUILL::kInPort, leftSide(i, inputs, size), kInputOrientation});
    for (int i = 0; i < outputs; ++i)
        ports.push_back({VTQUILL::kOutPort, rightSide(i, outputs, size), kOutputOrientation});
    return ports;
}

std::vector<PortLayoutEntry> PortLayout::leftRightConnections(PARR::GLPoint<double> size) {
    return {{VTQUILL::kConnectionPort, leftSide(0, 1, size), kInputOrientation},
            {VTQUILL::kConnectionPort, rightSide(0, 1, size), kOutputOrientation}};
}

std::vector<PortLayoutEntry> PortLayout::topConnection(PARR::GLPoint<double> size) {
    return {{VTQUILL::kConnectionPort, topSide(0, 1, size), kUpOrientation}};
}

}  // namespace VTDove
