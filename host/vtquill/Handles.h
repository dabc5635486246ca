#pragma once

#include "dove2/TypedHandle.h"
#include "quill/ClassObject.h"
#include "quill/Sequence.h"

namespace VTQUILL {

// The typed handles of the children of `parent` that are of class T, in containment order.
template <class T>
QUILL::Sequence<T> childrenOfType(const QUILL::ImmutableClassObject& parent) {
    QUILL::Sequence<T> result;
    const QUILL::Deviant* d = parent.getDeviant();
    const QUILL::ImmutableType type = T::MetaClass();
    for (QUILL::ObjectId c = parent.state().firstChild; c != QUILL::kNoObject;) {
        const QUILL::ObjectState* child = d->find(c);
        if (child->type->isKindOf(type.get()))
            result.push_back(T(parent.getDeviant(), c));
        c = child->nextSibling;
    }
    return result;
}

// Escapes a name for a system path: every "/" in it becomes "//".
std::string escapePathName(const std::string& name);

}  // namespace VTQUILL
