#pragma once

#include "parr/GLRect.h"
#include "rook2/MouseEvent.h"

namespace ROOK2 {

class Node;

// Receives the gesture of a corner resize handle (ResizeControls). Rectangles are the
// resized node's box (its content rectangle placed by its position and transform) in the
// frame of the node's parent, i.e. scene coordinates for a top-level node. While the handle
// is dragged, the corner under the pointer follows it and the opposite corner stays put.
class ResizeHandler {
public:
    enum Corner { TopLeft = 0, TopRight = 1, BottomRight = 2, BottomLeft = 3 };

    virtual ~ResizeHandler() = default;

    // The press on a handle of `target` at `corner`; `startRect` is the box at that moment.
    virtual void beginResize(Node& target, Corner corner, const PARR::GLRect<double>& startRect,
                             MouseEvent& event) = 0;
    // Each pointer move while dragging: the box the handle asks for now.
    virtual void resizeStep(const PARR::GLRect<double>& rect, MouseEvent& event) = 0;
    // The release: the final box.
    virtual void endResize(const PARR::GLRect<double>& rect, MouseEvent& event) = 0;
};

}  // namespace ROOK2
