#pragma once

#include "quill/ImmutableClassObject.h"

namespace QUILL {

class Model;

// A handle through which the object can be changed. Changes need an open transaction on the
// handle's instance (asserted); commands re-bind their handles to their own instance with
// asDeviant before changing anything. Changing operations are const: they change the object,
// not the handle.
class ClassObject : public ImmutableClassObject {
public:
    ClassObject() = default;
    ClassObject(Deviant* instance, ObjectId id) : ImmutableClassObject(instance, id) {}
    // Write access to an object known only read-only; the caller vouches for it.
    explicit ClassObject(const ImmutableClassObject& o)
        : ImmutableClassObject(o.getDeviant(), o.getObjectId()) {}

    // Creates an object of `type` at the end of `container`'s contained objects (an empty
    // container handle makes a free object) in `model`.
    static ClassObject create(const Model& model, const Type& type,
                              const ImmutableClassObject& container);

    Model getModel() const;

    void setValue(const Attribute& attribute, Value value) const;
    void setValue(const std::string& attributeName, Value value) const;
    template <typename T>
    void set(const Attribute& attribute, T value) const {
        setValue(attribute, Value(std::move(value)));
    }
    // Moves the object to the end of `container`'s contained objects; an empty handle
    // detaches it.
    void setContainer(const ImmutableClassObject& container) const;
    // Destroys the object and everything it contains.
    void destroy() const;
    void notifyObjectIsAboutToChange() const;

    ClassObject getContainer() const { return ClassObject(ImmutableClassObject::getContainer()); }
    ClassObject asDeviant(const ImmutableModel& model) const {
        return ClassObject(ImmutableClassObject::asDeviant(model));
    }
    ClassObject getRootDeviant() const {
        return ClassObject(ImmutableClassObject::getRootDeviant());
    }

private:
    Deviant& instance() const;
};

}  // namespace QUILL
