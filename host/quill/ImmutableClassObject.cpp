#include "quill/ImmutableClassObject.h"

#include "quill/ImmutableModel.h"

namespace QUILL {

ImmutableModel ImmutableClassObject::getModel() const {
    return ImmutableModel(instance_);
}

Sequence<ImmutableClassObject> ImmutableClassObject::getContained() const {
    const ObjectState& s = state();
    std::vector<ImmutableClassObject> items;
    items.reserve(s.childCount);
    for (ObjectId c = s.firstChild; c != kNoObject; c = instance_->find(c)->nextSibling) {
        items.emplace_back(instance_, c);
    }
    return Sequence<ImmutableClassObject>(std::move(items));
}

const Value& ImmutableClassObject::getValue(const Attribute& attribute) const {
    const ObjectState& s = state();
    QUILL_ASSERT(s.type->isKindOf(attribute.getOwner()),
                 s.type->getQualifiedName() + " has no attribute " + attribute.getName());
    return s.values[attribute.getIndex()];
}

const Value& ImmutableClassObject::getValue(const std::string& attributeName) const {
    return getValue(state().type->attribute(attributeName));
}

ImmutableClassObject ImmutableClassObject::asDeviant(const ImmutableModel& model) const {
    return ImmutableClassObject(model.getDeviantPtr(), id_);
}

ImmutableClassObject ImmutableClassObject::getRootDeviant() const {
    if (!instance_)
        return {};
    return ImmutableClassObject(&instance_->getRootDeviant(), id_);
}

}  // namespace QUILL
