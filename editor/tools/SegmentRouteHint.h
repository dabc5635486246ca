#pragma once

#include "application/Export.h"
#include "dove2/GraphEdge.h"
#include "parr/GMap.h"
#include "parr/Path.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// A segment's shape taken when a gesture begins: its complete path (absolute diagram
// coordinates, Application::getCompleteSegmentPath) and whether that path runs horizontally
// where it leaves its source element and where it meets its destination element. Gestures
// route a segment again from its hint at every step, so each step starts from the shape the
// segment had before the gesture, never from the previous step's.
//
// A plain value; the handle refers to the segment in whatever instance the hint was built on.
struct VANTOR_EXPORT SegmentRouteHint {
    DOVE2::GraphEdge segment;
    PARR::Path path;
    bool srcHorizontal = true;
    bool dstHorizontal = true;

    // The hint of `segment` as the root of its model shows it. An invalid segment gives a hint
    // with an empty path and both flags true.
    static SegmentRouteHint of(const VTQUILL::Segment& segment);

    // Routes `segment` (bound to the instance to change, inside an open transaction there)
    // between its two ends from this hint and sets the route as its path. False, with nothing
    // changed, when the segment is no longer valid.
    bool reroute(const VTQUILL::Segment& segment) const;
};

// Route hints keyed by the segments' identity (equal in every instance of the model).
using SegmentRouteHints = PARR::GMap<DOVE2::GraphEdge, SegmentRouteHint>;

// Routes `segment` again from the hint stored under `key`; false when there is none or the
// segment is no longer valid.
VANTOR_EXPORT bool rerouteFromHint(const SegmentRouteHints& hints, const VTQUILL::Segment& segment,
                                   const DOVE2::GraphEdge& key);

}  // namespace Vantor
