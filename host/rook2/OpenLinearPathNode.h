#pragma once

#include "rook2/LinearPathNode.h"

namespace ROOK2 {

// An open polyline: drawn as its legs only (a fill is ignored), hit near its legs.
class OpenLinearPathNode : public LinearPathNode {
public:
    OpenLinearPathNode() = default;
    explicit OpenLinearPathNode(std::vector<Point> points) : LinearPathNode(std::move(points)) {}

    bool isClosed() const override { return false; }
};

}  // namespace ROOK2
