#pragma once

#include "rook2/MouseEvent.h"

namespace ROOK2 {

// A wheel turn at a point: `delta` in eighths of a degree (one notch of a usual wheel is
// 120), positive away from the user; `horizontal` for a sideways wheel or tilt.
class WheelEvent : public MouseEvent {
public:
    WheelEvent() = default;
    WheelEvent(const PARR::GLPoint<double>& scenePos, const PARR::GLPoint<int>& widgetPos,
               int delta, bool horizontal, int buttons, unsigned modifiers)
        : MouseEvent(Move, scenePos, widgetPos, NoButton, buttons, modifiers),
          delta_(delta),
          horizontal_(horizontal) {}

    int delta() const { return delta_; }
    bool isHorizontal() const { return horizontal_; }

private:
    int delta_ = 0;
    bool horizontal_ = false;
};

}  // namespace ROOK2
