#pragma once

#include <cstddef>

#include "parr/Hash.h"
#include "quill/Deviant.h"
#include "quill/ImmutableClassObject.h"

namespace QUILL {

class ListenerBase;

// A read-only value handle on a model instance (the root model or a working copy).
// Compares and hashes by the instance. An empty handle, or one on a closed instance, is
// invalid; using it throws the null-reference exception.
class ImmutableModel {
public:
    ImmutableModel() = default;
    explicit ImmutableModel(Deviant* instance) : instance_(instance) {}

    bool isValid() const { return instance_ && instance_->isOpen(); }
    Deviant& getDeviant() const {
        if (!isValid())
            throwNullRef();
        return *instance_;
    }
    Deviant* getDeviantPtr() const { return instance_; }
    unsigned getDeviantId() const { return getDeviant().getDeviantId(); }
    bool isRoot() const { return getDeviant().isRoot(); }
    ImmutableModel getRootDeviant() const { return ImmutableModel(&getDeviant().getRootDeviant()); }

    // The model object, and any object by id, as seen in this instance.
    ImmutableClassObject getModelObject() const {
        return ImmutableClassObject(instance_, getDeviant().getModelObject());
    }
    ImmutableClassObject getObject(ObjectId id) const {
        return ImmutableClassObject(instance_, id);
    }

    void registerModifierOnCommit(ListenerBase* listener) const {
        getDeviant().registerModifierOnCommit(listener);
    }
    void unregisterModifierOnCommit(ListenerBase* listener) const {
        if (instance_)
            instance_->unregisterModifierOnCommit(listener);
    }

    bool operator==(const ImmutableModel& o) const { return instance_ == o.instance_; }
    bool operator!=(const ImmutableModel& o) const { return instance_ != o.instance_; }
    bool operator<(const ImmutableModel& o) const { return instance_ < o.instance_; }

protected:
    Deviant* instance_ = nullptr;
};

inline std::size_t gHash(const ImmutableModel& m) {
    return PARR::gHash(m.getDeviantPtr());
}

}  // namespace QUILL
