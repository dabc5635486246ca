#pragma once

#include "parr/GLRect.h"
#include "parr/StringID.h"
#include "rook2/ResizeHandler.h"
#include "rook2/Tool.h"
#include "rook2/WeakRef.h"

namespace ROOK2 {

// The tool that a resize handle puts on the scene's tool stack (by the role
// staticGetDefaultRole()) for the length of one resize gesture. This default behaviour
// resizes the node itself: it moves the node to the box's top-left corner and gives a
// rectangle, rounded rectangle or ellipse node the box's size. Editors derive from it to
// resize their model elements instead. Reports isDone() after endResize.
class ResizeBehavior : public Tool, public ResizeHandler {
public:
    ResizeBehavior() = default;

    static PARR::StringID staticGetDefaultRole();
    PARR::StringID getDefaultRole() const override { return staticGetDefaultRole(); }
    bool isDone() const override { return done_; }

    void beginResize(Node& target, Corner corner, const PARR::GLRect<double>& startRect,
                     MouseEvent& event) override;
    void resizeStep(const PARR::GLRect<double>& rect, MouseEvent& event) override;
    void endResize(const PARR::GLRect<double>& rect, MouseEvent& event) override;

    // The node being resized (null outside a gesture or when it is gone).
    Node* getTarget() const { return target_.get(); }
    Corner getCorner() const { return corner_; }
    const PARR::GLRect<double>& getStartRect() const { return startRect_; }

protected:
    // Gives the target the box `rect` (parent frame).
    virtual void applyRect(const PARR::GLRect<double>& rect);

private:
    WeakRef<Node> target_;
    Corner corner_ = TopLeft;
    PARR::GLRect<double> startRect_;
    bool done_ = false;
};

}  // namespace ROOK2
