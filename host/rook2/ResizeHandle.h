#pragma once

#include "parr/GLPoint.h"
#include "parr/GLRect.h"
#include "rook2/EventHandler.h"
#include "rook2/RectNode.h"
#include "rook2/ResizeHandler.h"
#include "rook2/WeakRef.h"

namespace ROOK2 {

class Tool;

// One corner handle made by ResizeControls: a small square child of the resized node,
// marked as a control node, that handles its own events. A press with the left button asks
// the scene for the resize behaviour (the tool of role ResizeBehavior::staticGetDefaultRole,
// made when none is on the stack) and drives its ResizeHandler side through the drag. Without
// such a tool the press is left to others.
class ResizeHandle : public RectNode, public EventHandler {
public:
    static constexpr double kSize = 6.0;

    explicit ResizeHandle(ResizeHandler::Corner corner);

    ResizeHandler::Corner corner() const { return corner_; }
    // Centres the handle on its corner of `box` (the parent's own frame).
    void placeOn(const PARR::GLRect<double>& box);

    void handleMousePressEvent(MouseEvent& event) override;
    void handleMouseMoveEvent(MouseEvent& event) override;
    void handleMouseReleaseEvent(MouseEvent& event) override;

private:
    ResizeHandler* findHandler();
    PARR::GLRect<double> requestedRect(const MouseEvent& event) const;

    ResizeHandler::Corner corner_;
    ResizeHandler* handler_ = nullptr;
    PARR::GLRect<double> startRect_;
    PARR::GLPoint<double> startPoint_;  // press point, parent-of-target frame
    WeakRef<Node> target_;
};

}  // namespace ROOK2
