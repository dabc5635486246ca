#pragma once

#include "parr/GLPoint.h"
#include "parr/Holder.h"
#include "parr/Transform.h"
#include "rook2/Node.h"

namespace ROOK2 {

// A shape drawn at one end of a polyline (an arrowhead, a chevron). The shape is a node
// given in the decoration's own frame: the line's end at (0, 0) and the +x axis pointing out
// of the line, along its last leg (for the start, from the second point towards the first;
// for the end, from the last but one point towards the last). The decoration turns with the
// leg. The node is not part of any scene; the polyline draws it. An empty decoration (made
// from an empty node) draws nothing.
class LineEndDecoration {
public:
    LineEndDecoration() = default;
    explicit LineEndDecoration(const PARR::Holder<Node>& node) : node_(node) {}

    const PARR::Holder<Node>& node() const { return node_; }
    bool isEmpty() const { return !node_; }

    // Decoration frame -> polyline frame for an end at `tip` whose leg comes from `from`.
    // A zero-length leg keeps the +x axis unturned.
    static PARR::Transform placement(const PARR::GLPoint<double>& tip,
                                     const PARR::GLPoint<double>& from);

    bool operator==(const LineEndDecoration& o) const { return node_ == o.node_; }

private:
    PARR::Holder<Node> node_;
};

}  // namespace ROOK2
