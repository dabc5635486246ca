#pragma once

#include "editlayout/Axis.h"
#include "editlayout/Feature.h"
#include "parr/GLPoint.h"

namespace EditLayout {

// A guide line to show while moving: the segment along which a moving feature aligns with a
// resting one, in absolute diagram coordinates. For Axis::X the line is vertical
// (from.x == to.x == the shared x) and from is its upper end; for Axis::Y it is horizontal
// and from is its left end. It spans both aligned items (the moving one at its snapped place).
struct GuideLine {
    Axis axis = Axis::X;
    PARR::GLPoint<double> from;
    PARR::GLPoint<double> to;
    Feature moving;   // the moving feature, at its snapped place
    Feature resting;  // the resting feature it aligns with
    double score = 0;
    unsigned int flag = 0;  // the flag of the affinity that made the alignment
};

}  // namespace EditLayout
