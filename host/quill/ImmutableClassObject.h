#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "quill/Deviant.h"
#include "quill/Exception.h"
#include "quill/ImmutableType.h"
#include "quill/ObjectId.h"
#include "quill/Sequence.h"

namespace QUILL {

class ImmutableModel;

// A read-only value handle on one repository object as seen in one model instance (a root,
// a working copy or a snapshot of old states). Handles compare and hash by the object's
// identity alone, so the same object is equal in every instance and maps keyed by handles
// work across instances.
//
// A default-made handle is empty; a handle whose object does not exist in its instance (any
// more) is stale. Both test invalid, and reading through them throws the repository's
// null-reference exception.
class ImmutableClassObject {
public:
    ImmutableClassObject() = default;
    ImmutableClassObject(Deviant* instance, ObjectId id) : instance_(instance), id_(id) {}

    bool isValid() const { return instance_ && id_ != kNoObject && instance_->find(id_); }
    ObjectId getObjectId() const { return id_; }
    Deviant* getDeviant() const { return instance_; }
    ImmutableModel getModel() const;

    ImmutableType getMetaClass() const { return ImmutableType(state().type); }
    // False for an invalid handle.
    bool isKindOf(const ImmutableType& type) const {
        const ObjectState* s = instance_ && id_ ? instance_->find(id_) : nullptr;
        return s && type.isValid() && s->type->isKindOf(type.get());
    }

    // The containing object in the same instance; an empty handle when there is none.
    ImmutableClassObject getContainer() const {
        const ObjectId c = state().container;
        return c == kNoObject ? ImmutableClassObject() : ImmutableClassObject(instance_, c);
    }
    // The contained objects, in their order.
    Sequence<ImmutableClassObject> getContained() const;
    std::size_t getContainedCount() const { return state().childCount; }

    // Attribute access. The attribute must belong to the object's class (asserted); get<T>
    // also asserts that the attribute holds a T.
    const Value& getValue(const Attribute& attribute) const;
    const Value& getValue(const std::string& attributeName) const;
    template <typename T>
    const T& get(const Attribute& attribute) const {
        const T* v = std::get_if<T>(&getValue(attribute));
        QUILL_ASSERT(v, "attribute " + attribute.getName() + " read as the wrong kind");
        return *v;
    }

    // The same object in another instance of its model, and in the root.
    ImmutableClassObject asDeviant(const ImmutableModel& model) const;
    ImmutableClassObject getRootDeviant() const;

    // The object's whole state; throws the null-reference exception when invalid.
    const ObjectState& state() const {
        const ObjectState* s = instance_ && id_ ? instance_->find(id_) : nullptr;
        if (!s)
            throwNullRef();
        return *s;
    }

    bool operator==(const ImmutableClassObject& o) const { return id_ == o.id_; }
    bool operator!=(const ImmutableClassObject& o) const { return id_ != o.id_; }
    bool operator<(const ImmutableClassObject& o) const { return id_ < o.id_; }

protected:
    Deviant* instance_ = nullptr;
    ObjectId id_ = kNoObject;
};

inline std::size_t gHash(const ImmutableClassObject& o) {
    return PARR::gHash(o.getObjectId());
}

}  // namespace QUILL

template <>
struct std::hash<QUILL::ImmutableClassObject> {
    std::size_t operator()(const QUILL::ImmutableClassObject& o) const { return QUILL::gHash(o); }
};
