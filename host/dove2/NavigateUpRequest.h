#pragma once

#include "quill/ImmutableClassObject.h"
#include "wren/Payload.h"

namespace DOVE2 {

// A request to open the diagram above `object`, the diagram being left.
class NavigateUpRequest : public WREN::Payload {
public:
    NavigateUpRequest() = default;
    explicit NavigateUpRequest(const QUILL::ImmutableClassObject& object) : object_(object) {}
    const QUILL::ImmutableClassObject& getObject() const { return object_; }

private:
    QUILL::ImmutableClassObject object_;
};

}  // namespace DOVE2
