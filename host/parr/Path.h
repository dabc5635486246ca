#pragma once

#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

#include "parr/GLPoint.h"

namespace PARR {

// An ordered list of points: a polyline or a route, in the frame its user states (routes are
// in absolute diagram coordinates). A plain value.
class Path {
public:
    using Point = GLPoint<double>;
    using const_iterator = std::vector<Point>::const_iterator;

    Path() = default;
    Path(std::initializer_list<Point> points) : points_(points) {}
    explicit Path(std::vector<Point> points) : points_(std::move(points)) {}

    void addPoint(const Point& p) { points_.push_back(p); }
    void addPoint(double x, double y) { points_.push_back({x, y}); }
    // Removes the point at `index`; an index past the end is ignored.
    void removePoint(std::size_t index);
    void insertPoint(std::size_t index, const Point& p);

    const Point& operator[](std::size_t i) const { return points_[i]; }
    Point& operator[](std::size_t i) { return points_[i]; }
    const Point& front() const { return points_.front(); }
    const Point& back() const { return points_.back(); }
    std::size_t size() const { return points_.size(); }
    bool empty() const { return points_.empty(); }
    void clear() { points_.clear(); }
    const_iterator begin() const { return points_.begin(); }
    const_iterator end() const { return points_.end(); }
    const std::vector<Point>& points() const { return points_; }

    // Reverses the order of the points in place.
    void reverse();

    // Simplifies the path in place, keeping its shape:
    //  1. each run of repeated consecutive points (exactly equal coordinates) becomes one;
    //  2. every point P whose neighbours A (before) and B (after) are collinear with it
    //     (exact zero cross product of P-A and B-P) and which lies strictly between them
    //     (the dot product of P-A and B-P is positive) is removed. Points are examined from
    //     the start, and each removal makes the next point's neighbour the earlier one, so a
    //     run of any length collapses to its two ends.
    // Never removed: the first and the last point; a corner; a point where the run turns
    // back on itself (A-P-B collinear but B lies on the same side of P as A, a U-turn).
    void simplify();

    // Moves every point by (dx, dy).
    void offset(double dx, double dy);
    void offset(const Point& delta) { offset(delta.x, delta.y); }

    // Concatenation: the other path's points appended in order (no merging of a shared point;
    // simplify does that).
    Path operator+(const Path& other) const;
    Path& operator+=(const Path& other);

    bool operator==(const Path& o) const { return points_ == o.points_; }
    bool operator!=(const Path& o) const { return points_ != o.points_; }

private:
    std::vector<Point> points_;
};

}  // namespace PARR
