#pragma once

#include "rook2/KeyEvent.h"
#include "rook2/MouseEvent.h"

namespace ROOK2 {

class Tool;

// One state of a tool's state machine: the tool hands each event to its current state.
// Every operation does nothing by default. The state refers to its tool, which owns it.
class ToolState {
public:
    explicit ToolState(Tool& tool) : tool_(tool) {}
    virtual ~ToolState() = default;
    ToolState(const ToolState&) = delete;
    ToolState& operator=(const ToolState&) = delete;

    virtual void handleMousePressEvent(MouseEvent&) {}
    virtual void handleMouseReleaseEvent(MouseEvent&) {}
    virtual void handleMouseMoveEvent(MouseEvent&) {}
    virtual void handleMouseDoubleClickEvent(MouseEvent&) {}
    virtual void handleKeyPressEvent(KeyEvent&) {}
    virtual void handleKeyReleaseEvent(KeyEvent&) {}

    Tool& baseTool() const { return tool_; }

private:
    Tool& tool_;
};

}  // namespace ROOK2
