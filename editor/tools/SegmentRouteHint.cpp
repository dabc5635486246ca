#include "tools/SegmentRouteHint.h"

#include "application/Application.h"
#include "application/GraphElementPathEndpoint.h"

namespace Vantor {

SegmentRouteHint SegmentRouteHint::of(const VTQUILL::Segment& segment) {
    SegmentRouteHint hint;
    hint.segment = segment;
    const VTQUILL::Segment atRoot(segment.getRootDeviant());
    if (!atRoot.isValid())
        return hint;
    hint.path = Application::getCompleteSegmentPath(atRoot);
    hint.srcHorizontal = Application::pathOrientationAtElementIsHorizontal(
        DOVE2::DiagramElement(atRoot.getSrcElement()), atRoot);
    hint.dstHorizontal = Application::pathOrientationAtElementIsHorizontal(
        DOVE2::DiagramElement(atRoot.getDstElement()), atRoot);
    return hint;
}

bool SegmentRouteHint::reroute(const VTQUILL::Segment& target) const {
    if (!target.isValid())
        return false;
    const DOVE2::GraphElement src(target.getSrcElement());
    const DOVE2::GraphElement dst(target.getDstElement());
    target.setPath(Application::getSegmentRoute(GraphElementPathEndpoint(src),
                                                GraphElementPathEndpoint(dst), path, srcHorizontal,
                                                dstHorizontal));
    return true;
}

bool rerouteFromHint(const SegmentRouteHints& hints, const VTQUILL::Segment& segment,
                     const DOVE2::GraphEdge& key) {
    const SegmentRouteHint* hint = hints.find(key);
    return hint && hint->reroute(segment);
}

}  // namespace Vantor
