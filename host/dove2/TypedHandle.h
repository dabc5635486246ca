#pragma once

#include "quill/ImmutableClassObject.h"

namespace DOVE2 {

// Narrows a generic handle to a typed one: the same handle when its object is of `type`
// (or the handle is stale, so that it keeps testing invalid), an empty handle otherwise.
// Marks the constructor that takes an already narrowed handle, so that narrowing looks the
// object up once.
struct NarrowedTag {};

inline QUILL::ImmutableClassObject narrowTo(const QUILL::ImmutableClassObject& o,
                                            const QUILL::ImmutableType& type) {
    const QUILL::Deviant* d = o.getDeviant();
    const QUILL::ObjectState* s = d && o.getObjectId() ? d->find(o.getObjectId()) : nullptr;
    if (!s)
        return o;
    return s->type->isKindOf(type.get()) ? o : QUILL::ImmutableClassObject();
}

}  // namespace DOVE2

// The constructors and metaclass every typed handle class has:
//  - MetaClass(): the class's metaclass;
//  - a default constructor: an empty handle;
//  - an explicit constructor from any handle: the same object when it is of this class,
//    else an empty handle (through the NarrowedTag constructor, given the narrowed handle);
//  - a constructor from instance and id, for subclasses and the repository.
// `Base` is the class's direct base (a reader over the parent handle class).
#define DOVE2_TYPED_HANDLE(Class, Base, metaclass)                            \
public:                                                                       \
    static QUILL::ImmutableType MetaClass() {                                 \
        return metaclass;                                                     \
    }                                                                         \
    Class() = default;                                                        \
    explicit Class(const QUILL::ImmutableClassObject& o)                      \
        : Class(::DOVE2::NarrowedTag(), ::DOVE2::narrowTo(o, MetaClass())) {} \
    Class(::DOVE2::NarrowedTag, const QUILL::ImmutableClassObject& narrowed)  \
        : Base(narrowed.getDeviant(), narrowed.getObjectId()) {}              \
    Class(QUILL::Deviant* instance, QUILL::ObjectId id) : Base(instance, id) {}
