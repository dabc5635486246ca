#pragma once

#include <vector>

#include "editlayout/GuideLine.h"
#include "parr/GLPoint.h"

namespace EditLayout {

// What a smart-guide solve gives back: the displacement to apply (the proposed one, moved
// on each axis where a feature snapped) and the guide lines to show, at most one per axis,
// the X guide first. An axis that did not snap keeps the proposed component and has no guide.
struct SnapResult {
    PARR::GLPoint<double> delta;
    bool snappedX = false;
    bool snappedY = false;
    std::vector<GuideLine> guides;
};

}  // namespace EditLayout
