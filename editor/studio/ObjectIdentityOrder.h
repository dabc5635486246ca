#pragma once

#include "quill/ImmutableClassObject.h"

namespace Vantor {

// Orders handles by the identity of the object they refer to (its repository-wide id), not
// by instance or name: the same object read through the root or a working copy is one key.
struct ObjectIdentityOrder {
    bool operator()(const QUILL::ImmutableClassObject& a,
                    const QUILL::ImmutableClassObject& b) const {
        return a.getObjectId() < b.getObjectId();
    }
};

}  // namespace Vantor
