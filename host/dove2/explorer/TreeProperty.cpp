#include "dove2/explorer/TreeProperty.h"

#include "quill/Exception.h"
#include "quill/Type.h"
#include "quill/Value.h"

namespace DOVE2::Util {

namespace {

bool isReferenceKind(QUILL::ValueKind kind) {
    return kind == QUILL::ValueKind::Reference || kind == QUILL::ValueKind::ReferenceList;
}

}  // namespace

TreeProperty TreeProperty::contained() {
    return TreeProperty(nullptr);
}

TreeProperty TreeProperty::reference(const QUILL::Attribute& attribute) {
    QUILL_ASSERT(isReferenceKind(attribute.getKind()),
                 "attribute " + attribute.getName() + " names no objects");
    return TreeProperty(&attribute);
}

std::vector<TreeProperty> TreeProperty::allOf(const QUILL::ImmutableType& type) {
    std::vector<TreeProperty> all{contained()};
    if (!type.isValid())
        return all;
    for (const QUILL::Attribute* attribute : type.get().getAllAttributes()) {
        if (isReferenceKind(attribute->getKind()))
            all.push_back(TreeProperty(attribute));
    }
    return all;
}

std::string TreeProperty::getName() const {
    return attribute_ ? attribute_->getName() : std::string("contained");
}

std::vector<QUILL::ImmutableClassObject> TreeProperty::objectsOf(
    const QUILL::ImmutableClassObject& object) const {
    if (!object.isValid())
        return {};
    if (!attribute_)
        return object.getContained().toVector();
    return referencedBy(object);
}

std::vector<QUILL::ImmutableClassObject> TreeProperty::referencedBy(
    const QUILL::ImmutableClassObject& object) const {
    if (!object.getMetaClass().get().isKindOf(attribute_->getOwner()))
        return {};
    const QUILL::Value& value = object.getValue(*attribute_);
    std::vector<QUILL::ObjectId> ids;
    if (const auto* one = std::get_if<QUILL::ObjectRef>(&value))
        ids.push_back(one->id);
    else if (const auto* many = std::get_if<QUILL::RefList>(&value))
        ids = *many;
    std::vector<QUILL::ImmutableClassObject> objects;
    for (QUILL::ObjectId id : ids) {
        const QUILL::ImmutableClassObject target(object.getDeviant(), id);
        if (target.isValid())
            objects.push_back(target);
    }
    return objects;
}

}  // namespace DOVE2::Util
