#pragma once

#include "rook2/Node.h"

namespace ROOK2 {

// A node that draws nothing itself and groups its children: moving, turning or hiding it
// moves, turns or hides them all.
class ContainerNode : public Node {
public:
    ContainerNode() = default;

    void accept(NodeVisitor& visitor) const override;
    PARR::GLRect<double> contentRect() const override { return {}; }
};

}  // namespace ROOK2
