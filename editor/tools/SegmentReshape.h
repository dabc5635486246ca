#pragma once

#include "application/Export.h"
#include "dove2/GraphEdge.h"
#include "parr/GLPoint.h"
#include "parr/Path.h"
#include "quill/Model.h"
#include "tools/SegmentRouteHint.h"

namespace Vantor {

// How a segment is laid again around a dragged piece of its route (one vertex, or one leg):
// the route before the piece (headPath) and after it (tailPath) as they were when the drag
// began, whether the route just before the piece and the piece itself (or the route just
// after a vertex) run horizontally, and the segment's route hint, whose end flags keep the
// segment leaving its ends as it did. Points in absolute diagram coordinates. A plain value.
struct VANTOR_EXPORT SegmentReshape {
    DOVE2::GraphEdge segment;
    PARR::Path headPath;
    PARR::Path tailPath;
    bool headHorizontal = true;
    bool tailHorizontal = true;
    SegmentRouteHints routeHints;

    // In `model` (inside an open transaction there): routes the segment from its source to
    // `pieceStart` and from `pieceEnd` to its destination, sets head route, piece and tail
    // route (simplified) as its path, and cleans its line up. Nothing when the segment is not
    // valid in `model`.
    void apply(const QUILL::Model& model, const PARR::GLPoint<double>& pieceStart,
               const PARR::GLPoint<double>& pieceEnd) const;
};

// Each coordinate of `delta` whose magnitude is below `threshold` becomes 0: small drags of a
// line part do not nudge it off its alignment.
VANTOR_EXPORT PARR::GLPoint<double> dampedDelta(const PARR::GLPoint<double>& delta,
                                                double threshold);

}  // namespace Vantor
