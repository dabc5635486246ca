#include "quill/ClassObject.h"

#include "quill/Model.h"

namespace QUILL {

ClassObject ClassObject::create(const Model& model, const Type& type,
                                const ImmutableClassObject& container) {
    Deviant& d = model.getDeviant();
    if (container.getObjectId() != kNoObject && !container.isValid())
        throwNullRef();
    return ClassObject(&d, d.createObject(type, container.getObjectId()));
}

Model ClassObject::getModel() const {
    return Model(instance_);
}

Deviant& ClassObject::instance() const {
    if (!instance_)
        throwNullRef();
    return *instance_;
}

void ClassObject::setValue(const Attribute& attribute, Value value) const {
    instance().setValue(id_, attribute, std::move(value));
}

void ClassObject::setValue(const std::string& attributeName, Value value) const {
    setValue(state().type->attribute(attributeName), std::move(value));
}

void ClassObject::setContainer(const ImmutableClassObject& container) const {
    if (container.getObjectId() != kNoObject && !container.isValid())
        throwNullRef();
    instance().setContainer(id_, container.getObjectId());
}

void ClassObject::destroy() const {
    instance().destroyObject(id_);
}

void ClassObject::notifyObjectIsAboutToChange() const {
    instance().notifyObjectIsAboutToChange(id_);
}

}  // namespace QUILL
