#pragma once

#include "rook2/Event.h"
#include "rook2/KeyEvent.h"
#include "rook2/MouseEvent.h"
#include "rook2/WheelEvent.h"

namespace ROOK2 {

// Receiver of scene events. Node event handlers (Node::setEventHandler) and tools derive
// from it. Every operation does nothing by default and leaves the event unconsumed; an
// override that acts on an event calls Event::consume so that nobody after it sees it.
// Drag and drop events carry the pointer position of the drag.
class EventHandler {
public:
    virtual ~EventHandler() = default;

    virtual void handleMouseMoveEvent(MouseEvent&) {}
    virtual void handleMousePressEvent(MouseEvent&) {}
    virtual void handleMouseReleaseEvent(MouseEvent&) {}
    virtual void handleMouseDoubleClickEvent(MouseEvent&) {}
    virtual void handleDragEvent(MouseEvent&) {}
    virtual void handleDropEvent(MouseEvent&) {}
    virtual void handleFocusInEvent(Event&) {}
    virtual void handleFocusOutEvent(Event&) {}
    virtual void handleEnterCanvasEvent(Event&) {}
    virtual void handleLeaveCanvasEvent(Event&) {}
    virtual void handleContextMenuEvent(MouseEvent&) {}
    virtual void handleWheelEvent(WheelEvent&) {}
    virtual void handleKeyPressEvent(KeyEvent&) {}
    virtual void handleKeyReleaseEvent(KeyEvent&) {}
};

}  // namespace ROOK2
