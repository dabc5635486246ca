#pragma once

#include "parr/StringID.h"
#include "rook2/MouseEvent.h"
#include "rook2/Tool.h"
#include "rook2/WeakRef.h"

namespace ROOK2 {

// The default tool at the bottom of a scene's tool stack. A left press selects the
// selectable node under the pointer (replacing the selection, unless the node is already
// selected); with Shift or Control it toggles that node instead. A press on empty space
// clears the selection (unless Shift or Control is held). When the pointer then moves at
// least kDragThreshold widget pixels with the button held over a movable pressed node, the
// press turns into a move: invokeMoveTool.
class SelectionTool : public Tool {
public:
    static constexpr double kDragThreshold = 2.0;

    SelectionTool() = default;

    static PARR::StringID staticGetDefaultRole();
    PARR::StringID getDefaultRole() const override { return staticGetDefaultRole(); }

    void handleMousePressEvent(MouseEvent& event) override;
    void handleMouseMoveEvent(MouseEvent& event) override;
    void handleMouseReleaseEvent(MouseEvent& event) override;

    // The selectable node the last left press hit; null when it hit none or it is gone.
    Node* mousePressNode() const { return pressNode_.get(); }
    // A copy of the last left press.
    const MouseEvent& lastMousePressEvent() const { return lastPress_; }

protected:
    // Starts the move: puts the tool of role MoveTool::staticGetDefaultRole() on the stack and
    // replays the press and the current move into it. Does nothing when no such role is
    // registered.
    virtual void invokeMoveTool(MouseEvent& event);

private:
    void select(Node* node, unsigned modifiers);

    MouseEvent lastPress_;
    WeakRef<Node> pressNode_;
    bool pressed_ = false;
    bool moving_ = false;
};

}  // namespace ROOK2
