#pragma once

#include "application/Export.h"
#include "parr/GLPoint.h"
#include "parr/Path.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// Divides a segment's stored vertices at the leg nearest to a point, and moves the point onto
// that leg. Used by Application::splitSegment and by the line clean-up when it branches
// overlapping segments. Points are in absolute diagram coordinates; the model is only read.
class VANTOR_EXPORT SegmentSplitter {
public:
    using Point = PARR::GLPoint<double>;

    // The two halves of a segment's stored vertices and the split point on the leg between
    // them.
    struct Split {
        PARR::Path before;  // vertices from the source up to the leg's start
        PARR::Path after;   // vertices from the leg's end on to the destination
        Point point;        // the point moved onto the leg
    };

    // Splits `segment`'s stored vertices at the leg nearest to `point`. The legs run from the
    // source element's absolute position through the vertices to the destination element's;
    // an end attached to nothing valid contributes no leg. A tie goes to the earlier leg.
    // With no leg at all, `before` holds every vertex and the point is returned unmoved.
    static Split splitPathAtNearestLeg(const VTQUILL::Segment& segment, const Point& point);

    // The same on plain geometry: `vertices` between the end positions `source` and
    // `destination`.
    static Split splitPathAtNearestLeg(const PARR::Path& vertices, const Point& source,
                                       const Point& destination, const Point& point);

    // `point` moved onto the leg p-q: the foot of the perpendicular on the line through p and
    // q when the point lies on q's side of p (not clamped to the leg), else the nearer of p
    // and q (q at equal distance). A point equal to p or q is returned as it is; a leg with
    // p == q gives p.
    static Point snapPointToLeg(const Point& point, const Point& p, const Point& q);

    // The squared distance from `point` to the nearest point of the leg p-q, ends included.
    static double squaredDistanceToLeg(const Point& point, const Point& p, const Point& q);
};

}  // namespace Vantor
