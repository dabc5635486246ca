#pragma once

#include <limits>
#include <vector>

#include "parr/GLPoint.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// The segments that leave one solder joint in one direction, gathered by the line clean-up to
// find branches that run on top of each other. A plain value, alive for one joint's visit.
struct DirectionGroup {
    // The unit vector of the direction (absolute diagram frame); the key of the group.
    PARR::GLPoint<double> direction;
    // The shortest distance along the direction at which one of the segments turns or ends.
    double minDistance = std::numeric_limits<double>::max();
    // The segments, in the order the joint lists them.
    std::vector<VTQUILL::Segment> segments;

    // Orders groups of one joint by direction: y ascending, then x ascending.
    struct Order {
        bool operator()(const PARR::GLPoint<double>& a, const PARR::GLPoint<double>& b) const {
            return a.y != b.y ? a.y < b.y : a.x < b.x;
        }
    };
};

}  // namespace Vantor
