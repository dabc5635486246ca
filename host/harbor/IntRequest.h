#pragma once

#include "wren/Payload.h"

namespace HARBOR::Util {

// An event payload carrying one integer, such as the index of the studio tab that received
// the focus (the studio's "TabFocusEvents" service). A plain copyable value.
class IntRequest : public WREN::Payload {
public:
    explicit IntRequest(int value = 0) : value_(value) {}

    int getValue() const { return value_; }
    void setValue(int value) { value_ = value; }

    bool operator==(const IntRequest& other) const { return value_ == other.value_; }

private:
    int value_;
};

}  // namespace HARBOR::Util
