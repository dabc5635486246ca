#include "rook2/LinearPathNode.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "rook2/NodeVisitor.h"

namespace ROOK2 {

namespace {

double distanceToLeg(const PARR::GLPoint<double>& p, const PARR::GLPoint<double>& a,
                     const PARR::GLPoint<double>& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0)
        t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

void LinearPathNode::setPoints(const std::vector<Point>& points) {
    if (points == points_)
        return;
    points_ = points;
    geometryChanged();
}

void LinearPathNode::append(const Point& point) {
    points_.push_back(point);
    geometryChanged();
}

void LinearPathNode::setStartDecoration(const LineEndDecoration& decoration) {
    if (decoration == start_)
        return;
    start_ = decoration;
    geometryChanged();
}

void LinearPathNode::setEndDecoration(const LineEndDecoration& decoration) {
    if (decoration == end_)
        return;
    end_ = decoration;
    geometryChanged();
}

PARR::Transform LinearPathNode::startDecorationPlacement() const {
    if (points_.size() < 2)
        return PARR::Transform();
    return LineEndDecoration::placement(points_[0], points_[1]);
}

PARR::Transform LinearPathNode::endDecorationPlacement() const {
    if (points_.size() < 2)
        return PARR::Transform();
    return LineEndDecoration::placement(points_.back(), points_[points_.size() - 2]);
}

void LinearPathNode::accept(NodeVisitor& visitor) const {
    visitor.visit(*this);
}

PARR::GLRect<double> LinearPathNode::contentRect() const {
    if (points_.empty())
        return {};
    double l = points_[0].x, r = l, t = points_[0].y, b = t;
    for (const Point& p : points_) {
        l = std::min(l, p.x), r = std::max(r, p.x);
        t = std::min(t, p.y), b = std::max(b, p.y);
    }
    return {l, t, r - l, b - t};
}

PARR::GLRect<double> LinearPathNode::paintRect() const {
    if (points_.empty())
        return {};
    // A straight line has a box of zero height or width: pad it so it has an area.
    const double h = std::max(getStroke().halfExtent(), 1.0);
    PARR::GLRect<double> box = contentRect().adjusted(-h, -h, h, h);
    if (!start_.isEmpty() && points_.size() >= 2)
        box = box.united(startDecorationPlacement().mapRect(start_.node()->paintRect()));
    if (!end_.isEmpty() && points_.size() >= 2)
        box = box.united(endDecorationPlacement().mapRect(end_.node()->paintRect()));
    return getEffects().extendBounds(box);
}

double LinearPathNode::distanceTo(const Point& p) const {
    if (points_.empty())
        return std::numeric_limits<double>::infinity();
    if (points_.size() == 1)
        return std::hypot(p.x - points_[0].x, p.y - points_[0].y);
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 1; i < points_.size(); ++i)
        best = std::min(best, distanceToLeg(p, points_[i - 1], points_[i]));
    if (isClosed())
        best = std::min(best, distanceToLeg(p, points_.back(), points_.front()));
    return best;
}

bool LinearPathNode::containsInside(const Point& p) const {
    // Even-odd rule, as the polygon is filled.
    bool inside = false;
    for (std::size_t i = 0, j = points_.size() - 1; i < points_.size(); j = i++) {
        const Point& a = points_[i];
        const Point& b = points_[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

bool LinearPathNode::hitsContent(const PARR::GLPoint<double>& p, double tolerance) const {
    if (points_.empty())
        return false;
    if (distanceTo(p) <= tolerance + getStroke().halfExtent())
        return true;
    return isClosed() && points_.size() >= 3 && containsInside(p);
}

}  // namespace ROOK2
