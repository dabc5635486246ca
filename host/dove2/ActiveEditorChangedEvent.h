#pragma once

#include "wren/Payload.h"

namespace DOVE2 {

// Sent when another editor became the studio's active editor; `changed` is true when the
// active editor changed because of a user action (a tab got the focus).
class ActiveEditorChangedEvent : public WREN::Payload {
public:
    explicit ActiveEditorChangedEvent(bool changed = true) : changed_(changed) {}
    bool changed() const { return changed_; }

private:
    bool changed_;
};

}  // namespace DOVE2
