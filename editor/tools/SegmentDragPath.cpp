#include "tools/SegmentDragPath.h"

#include <algorithm>
#include <cmath>

#include "application/Application.h"

namespace Vantor {

SegmentDragPath::SegmentDragPath(const VTQUILL::Segment& segment) {
    if (!segment.isValid())
        return;
    const PARR::Path complete = Application::getCompleteSegmentPath(segment);
    if (complete.empty())
        return;
    if (VTQUILL::Port(segment.getSrcElement()).isValid())
        points_.addPoint(complete.front());
    points_ += complete;
    if (VTQUILL::Port(segment.getDstElement()).isValid())
        points_.addPoint(complete.back());
}

int SegmentDragPath::vertexNear(const Point& at) const {
    const double reach = kGrabDistance * kGrabDistance;
    for (std::size_t i = 1; i + 1 < points_.size(); ++i) {
        const Point d = points_[i] - at;
        if (d.x * d.x + d.y * d.y <= reach)
            return static_cast<int>(i);
    }
    return -1;
}

int SegmentDragPath::legNear(const Point& at) const {
    const double reach = kGrabDistance * kGrabDistance;
    for (std::size_t i = 1; i + 1 < points_.size(); ++i) {
        if (squaredDistanceToLeg(at, points_[i], points_[i + 1]) <= reach)
            return static_cast<int>(i);
    }
    return -1;
}

PARR::Path SegmentDragPath::slice(std::size_t first, std::size_t last) const {
    PARR::Path part;
    for (std::size_t i = first; i <= last && i < points_.size(); ++i)
        part.addPoint(points_[i]);
    return part;
}

double SegmentDragPath::squaredDistanceToLeg(const Point& p, const Point& a, const Point& b) {
    const Point ab = b - a;
    const double length2 = ab.x * ab.x + ab.y * ab.y;
    const Point ap = p - a;
    if (length2 == 0)
        return ap.x * ap.x + ap.y * ap.y;
    const double t = std::clamp((ap.x * ab.x + ap.y * ab.y) / length2, 0.0, 1.0);
    const Point nearest = a + ab * t;
    const Point d = p - nearest;
    return d.x * d.x + d.y * d.y;
}

}  // namespace Vantor
