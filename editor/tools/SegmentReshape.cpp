#include "tools/SegmentReshape.h"

#include <cmath>

#include "application/Application.h"
#include "application/DPointPathEndpoint.h"
#include "application/GraphElementPathEndpoint.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

PARR::GLPoint<double> dampedDelta(const PARR::GLPoint<double>& delta, double threshold) {
    return {std::abs(delta.x) < threshold ? 0.0 : delta.x,
            std::abs(delta.y) < threshold ? 0.0 : delta.y};
}

void SegmentReshape::apply(const QUILL::Model& model, const PARR::GLPoint<double>& pieceStart,
                           const PARR::GLPoint<double>& pieceEnd) const {
    const VTQUILL::Segment here(segment.asDeviant(model));
    if (!here.isValid())
        return;
    const SegmentRouteHint hint = routeHints.value(segment, SegmentRouteHint());
    const DOVE2::GraphElement src(here.getSrcElement());
    const DOVE2::GraphElement dst(here.getDstElement());
    const PARR::Path head =
        Application::getSegmentRoute(GraphElementPathEndpoint(src), DPointPathEndpoint(pieceStart),
                                     headPath, hint.srcHorizontal, headHorizontal);
    const PARR::Path tail =
        Application::getSegmentRoute(DPointPathEndpoint(pieceEnd), GraphElementPathEndpoint(dst),
                                     tailPath, tailHorizontal, hint.dstHorizontal);
    PARR::Path path = head + PARR::Path{pieceStart, pieceEnd} + tail;
    path.simplify();
    here.setPath(path);
    Application::cleanupLine(here.getContainer());
}

}  // namespace Vantor
