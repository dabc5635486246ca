#pragma once

#include "rook2/LinearPathNode.h"

namespace ROOK2 {

// A closed polyline (polygon): the last point joins the first; filled with the even-odd
// rule, hit inside or near its outline.
class ClosedLinearPathNode : public LinearPathNode {
public:
    ClosedLinearPathNode() = default;
    explicit ClosedLinearPathNode(std::vector<Point> points) : LinearPathNode(std::move(points)) {}

    bool isClosed() const override { return true; }
};

}  // namespace ROOK2
