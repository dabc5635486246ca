#pragma once

#include "wren/Payload.h"

namespace PARR {

// What happened to a widget: sent by a canvas when it is hidden or closed.
class GLWidgetEvent2 : public WREN::Payload {
public:
    enum Kind { Hide, Close };
    explicit GLWidgetEvent2(Kind kind = Hide) : kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

}  // namespace PARR
