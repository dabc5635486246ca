#include "parr/Path.h"

#include <algorithm>

namespace PARR {

namespace {

// True when `p` lies strictly inside the straight run from `a` to `b`.
bool liesOnStraightRun(const Path::Point& a, const Path::Point& p, const Path::Point& b) {
    const Path::Point in = p - a;
    const Path::Point out = b - p;
    const double cross = in.x * out.y - in.y * out.x;
    const double dot = in.x * out.x + in.y * out.y;
    return cross == 0.0 && dot > 0.0;
}

}  // namespace

void Path::removePoint(std::size_t index) {
    if (index < points_.size())
        points_.erase(points_.begin() + static_cast<std::ptrdiff_t>(index));
}

void Path::insertPoint(std::size_t index, const Point& p) {
    index = std::min(index, points_.size());
    points_.insert(points_.begin() + static_cast<std::ptrdiff_t>(index), p);
}

void Path::reverse() {
    std::reverse(points_.begin(), points_.end());
}

void Path::simplify() {
    std::vector<Point> kept;
    kept.reserve(points_.size());
    for (const Point& p : points_) {
        if (!kept.empty() && kept.back() == p)
            continue;
        // The last kept point is interior until `p` arrives; drop it while it lies on the run
        // between its predecessor and `p`. Removing it cannot create a repeated point, since a
        // point strictly inside a run has distinct neighbours.
        while (kept.size() >= 2 && liesOnStraightRun(kept[kept.size() - 2], kept.back(), p)) {
            kept.pop_back();
        }
        kept.push_back(p);
    }
    points_ = std::move(kept);
}

void Path::offset(double dx, double dy) {
    for (Point& p : points_) {
        p.x += dx;
        p.y += dy;
    }
}

Path Path::operator+(const Path& other) const {
    Path result(*this);
    result += other;
    return result;
}

Path& Path::operator+=(const Path& other) {
    points_.insert(points_.end(), other.points_.begin(), other.points_.end());
    return *this;
}

}  // namespace PARR
