#pragma once

#include <cstddef>

#include "application/Export.h"
#include "parr/GLPoint.h"
#include "parr/Path.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// The points a person can grab on a segment: its complete path (absolute diagram
// coordinates) with the first point repeated when the segment starts at a port and the last
// point repeated when it ends at one, so that the leg leaving a port has a zero-length leg
// before it and can itself be grabbed. Answers which interior vertex or which leg lies within
// grab distance of a point. A plain value.
class VANTOR_EXPORT SegmentDragPath {
public:
    using Point = PARR::GLPoint<double>;
    // How far from a vertex or a leg a press still grabs it (diagram units, inclusive).
    static constexpr double kGrabDistance = 3.0;

    explicit SegmentDragPath(const VTQUILL::Segment& segment);

    const PARR::Path& points() const { return points_; }
    std::size_t size() const { return points_.size(); }

    // The first interior point (index 1 to size() - 2) within kGrabDistance of `at`; -1 when
    // none (or fewer than three points).
    int vertexNear(const Point& at) const;
    // The first leg i (from point i to point i + 1) within kGrabDistance of `at`, never the
    // first leg (i = 0); -1 when none.
    int legNear(const Point& at) const;
    // The points from index `first` to index `last`, both included.
    PARR::Path slice(std::size_t first, std::size_t last) const;

    // Squared distance from `p` to the piece from `a` to `b` (the nearest point clamped to
    // its ends); for a zero-length piece, the squared distance to its point.
    static double squaredDistanceToLeg(const Point& p, const Point& a, const Point& b);

private:
    PARR::Path points_;
};

}  // namespace Vantor
