#pragma once

#include "parr/Holder.h"
#include "rook2/Node.h"

namespace ROOK2 {

// Corner resize handles on a node: four ResizeHandle children at the corners of the node's
// content rectangle. Dragging one drives the scene's resize behaviour (ResizeBehavior).
class ResizeControls {
public:
    // Adds the four handles, or moves existing ones to the node's current corners (so it
    // may be called on every update of the node).
    static void installCornerResizeControls(Node& node);
    static void installCornerResizeControls(const PARR::Holder<Node>& node) {
        if (node)
            installCornerResizeControls(*node);
    }
    // Removes the node's resize handles, if any.
    static void removeResizeControls(Node& node);
    static void removeResizeControls(const PARR::Holder<Node>& node) {
        if (node)
            removeResizeControls(*node);
    }
    // Number of resize handles on the node.
    static int countResizeControls(const Node& node);
};

}  // namespace ROOK2
