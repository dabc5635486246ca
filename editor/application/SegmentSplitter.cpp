#include "application/SegmentSplitter.h"

#include <cmath>
#include <limits>
#include <vector>

#include "application/Application.h"

namespace Vantor {

namespace {

using Point = SegmentSplitter::Point;

// Vectors this short have no usable direction.
constexpr double kShortestDirection = 0.0001;

double dot(const Point& a, const Point& b) {
    return a.x * b.x + a.y * b.y;
}

double length(const Point& v) {
    return std::hypot(v.x, v.y);
}

Point unit(const Point& v) {
    const double l = length(v);
    return l <= kShortestDirection ? Point() : Point(v.x / l, v.y / l);
}

}  // namespace

SegmentSplitter::Split SegmentSplitter::splitPathAtNearestLeg(const VTQUILL::Segment& segment,
                                                              const Point& point) {
    const PARR::Path& vertices = segment.getPath();
    const DOVE2::GraphElement source(segment.getSrcElement());
    const DOVE2::GraphElement destination(segment.getDstElement());
    if (source.isValid() && destination.isValid()) {
        return splitPathAtNearestLeg(vertices, Application::getAbsolutePosition(source),
                                     Application::getAbsolutePosition(destination), point);
    }
    // A free end without a terminator: only the legs between known points take part.
    std::vector<Point> corners;
    const std::size_t firstVertex = source.isValid() ? 1 : 0;
    if (source.isValid())
        corners.push_back(Application::getAbsolutePosition(source));
    corners.insert(corners.end(), vertices.begin(), vertices.end());
    if (destination.isValid())
        corners.push_back(Application::getAbsolutePosition(destination));
    if (corners.size() < 2)
        return Split{vertices, {}, point};
    const PARR::Path polyline{std::vector<Point>(corners.begin() + 1, corners.end() - 1)};
    Split split = splitPathAtNearestLeg(polyline, corners.front(), corners.back(), point);
    // Re-attach the vertices that served as an end of the polyline.
    if (firstVertex == 0) {
        PARR::Path before{vertices.front()};
        split.before = before + split.before;
    }
    if (!destination.isValid())
        split.after += PARR::Path{vertices.back()};
    return split;
}

// Legs are measured in order and only a strictly smaller distance replaces the best, so a
// point on a shared vertex belongs to the earlier leg and the vertex starts the second half.
SegmentSplitter::Split SegmentSplitter::splitPathAtNearestLeg(const PARR::Path& vertices,
                                                              const Point& source,
                                                              const Point& destination,
                                                              const Point& point) {
    const std::size_t legs = vertices.size() + 1;
    auto corner = [&](std::size_t i) -> const Point& {
        if (i == 0)
            return source;
        return i == legs ? destination : vertices[i - 1];
    };
    std::size_t best = 0;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < legs; ++k) {
        const double d = squaredDistanceToLeg(point, corner(k), corner(k + 1));
        if (d < bestDistance) {
            bestDistance = d;
            best = k;
        }
    }
    Split split;
    for (std::size_t i = 0; i < vertices.size(); ++i)
        (i < best ? split.before : split.after).addPoint(vertices[i]);
    split.point = snapPointToLeg(point, corner(best), corner(best + 1));
    return split;
}

SegmentSplitter::Point SegmentSplitter::snapPointToLeg(const Point& point, const Point& p,
                                                       const Point& q) {
    if (point == p || point == q)
        return point;
    if (p == q)
        return p;
    const Point toPoint = point - p;
    const Point w = unit(q - p);
    const double c = dot(unit(toPoint), w);
    if (c >= 0)
        return p + w * (length(toPoint) * c);
    return length(point - p) < length(point - q) ? p : q;
}

double SegmentSplitter::squaredDistanceToLeg(const Point& point, const Point& p, const Point& q) {
    const Point leg = q - p;
    const double legSquared = dot(leg, leg);
    const double t = legSquared == 0 ? 0 : dot(point - p, leg) / legSquared;
    // The ends are taken as they are, so a point on a vertex is at distance 0 from both legs.
    const Point nearest = t <= 0 ? p : t >= 1 ? q : p + leg * t;
    const Point gap = point - nearest;
    return dot(gap, gap);
}

}  // namespace Vantor
