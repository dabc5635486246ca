#pragma once

#include <vector>

#include "parr/GLPoint.h"
#include "parr/Path.h"
#include "parr/Transform.h"
#include "rook2/LineEndDecoration.h"
#include "rook2/Node.h"

namespace ROOK2 {

// A polyline through points in the node's own frame: open (OpenLinearPathNode, hit within
// the tolerance of its legs) or closed (ClosedLinearPathNode, a polygon hit inside or near
// its outline). Open polylines can carry a decoration at each end.
class LinearPathNode : public Node {
public:
    using Point = PARR::GLPoint<double>;

    // Replaces all points (an empty list clears them).
    void setPoints(const std::vector<Point>& points);
    void setPath(const PARR::Path& path) { setPoints(path.points()); }
    void append(const Point& point);
    const std::vector<Point>& getPoints() const { return points_; }

    virtual bool isClosed() const = 0;

    void setStartDecoration(const LineEndDecoration& decoration);
    void setEndDecoration(const LineEndDecoration& decoration);
    const LineEndDecoration& getStartDecoration() const { return start_; }
    const LineEndDecoration& getEndDecoration() const { return end_; }
    // Decoration frame -> node frame of the start and end decorations (identity when the
    // polyline has fewer than two points).
    PARR::Transform startDecorationPlacement() const;
    PARR::Transform endDecorationPlacement() const;

    void accept(NodeVisitor& visitor) const override;
    PARR::GLRect<double> contentRect() const override;
    PARR::GLRect<double> paintRect() const override;
    bool hitsContent(const PARR::GLPoint<double>& p, double tolerance) const override;

    // Distance from `p` to the nearest leg (to the only point of a one-point polyline);
    // infinity without points. The closing leg counts for a closed polyline.
    double distanceTo(const Point& p) const;

protected:
    LinearPathNode() = default;
    explicit LinearPathNode(std::vector<Point> points) : points_(std::move(points)) {}

private:
    bool containsInside(const Point& p) const;

    std::vector<Point> points_;
    LineEndDecoration start_;
    LineEndDecoration end_;
};

}  // namespace ROOK2
