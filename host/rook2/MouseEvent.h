#pragma once

#include "parr/GLPoint.h"
#include "rook2/Event.h"

namespace ROOK2 {

// A mouse event: where it happened, in scene coordinates and in integer widget pixels,
// which button changed (press, release, double click; NoButton for a move), which buttons
// are held, and the keyboard modifiers (Event::modifiers). A plain value: tools keep copies
// (e.g. of the press that started a gesture). The default event is a move at the origin
// with nothing held.
class MouseEvent : public Event {
public:
    enum Type { Move, Press, Release, DoubleClick };
    enum Button { NoButton = 0, LeftButton = 1, RightButton = 2, MiddleButton = 4 };

    MouseEvent() = default;
    MouseEvent(Type type, const PARR::GLPoint<double>& scenePos,
               const PARR::GLPoint<int>& widgetPos, int button, int buttons, unsigned modifiers)
        : Event(modifiers),
          type_(type),
          scenePos_(scenePos),
          widgetPos_(widgetPos),
          button_(button),
          buttons_(buttons) {}

    Type type() const { return type_; }
    const PARR::GLPoint<double>& scenePos() const { return scenePos_; }
    const PARR::GLPoint<int>& widgetPos() const { return widgetPos_; }
    // The button that caused the event (MouseEvent::Button); NoButton for moves.
    int button() const { return button_; }
    // The buttons held when the event happened (or-ed MouseEvent::Button values).
    int buttons() const { return buttons_; }

    void setScenePos(const PARR::GLPoint<double>& p) { scenePos_ = p; }

private:
    Type type_ = Move;
    PARR::GLPoint<double> scenePos_;
    PARR::GLPoint<int> widgetPos_;
    int button_ = NoButton;
    int buttons_ = NoButton;
};

}  // namespace ROOK2
