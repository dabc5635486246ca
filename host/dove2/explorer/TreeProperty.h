#pragma once

#include <string>
#include <vector>

#include "quill/Attribute.h"
#include "quill/ImmutableClassObject.h"
#include "quill/ImmutableType.h"

namespace DOVE2::Util {

// One way from an object to the objects the model explorer may show below it: the object's
// contained objects, or the objects that one reference attribute of its class names
// (QUILL::ValueKind::Reference or ReferenceList). A plain value; two properties are equal when
// they are the same way (the same attribute, or both the contained objects). The attribute
// belongs to its metaclass and lives as long as the process.
class TreeProperty {
public:
    // The contained objects, in their order.
    static TreeProperty contained();
    // The objects `attribute` names. An attribute of another kind than a reference or a
    // reference list is a programmer error (the repository's assertion exception).
    static TreeProperty reference(const QUILL::Attribute& attribute);
    // Every property of objects of `type`: the contained objects first, then each reference
    // attribute of the class (inherited ones first, in slot order). Only the contained objects
    // for an invalid type.
    static std::vector<TreeProperty> allOf(const QUILL::ImmutableType& type);

    bool isContained() const { return attribute_ == nullptr; }
    // The reference attribute; null for the contained objects.
    const QUILL::Attribute* getAttribute() const { return attribute_; }
    // "contained", or the attribute's name.
    std::string getName() const;

    // The objects reached from `object` through this property, bound to the object's
    // instance, in order. Objects that do not exist there (a dangling reference) are left
    // out. Empty for an invalid object, or for an attribute its class does not have.
    std::vector<QUILL::ImmutableClassObject> objectsOf(
        const QUILL::ImmutableClassObject& object) const;

    bool operator==(const TreeProperty&) const = default;

private:
    explicit TreeProperty(const QUILL::Attribute* attribute) : attribute_(attribute) {}

    std::vector<QUILL::ImmutableClassObject> referencedBy(
        const QUILL::ImmutableClassObject& object) const;

    const QUILL::Attribute* attribute_ = nullptr;
};

}  // namespace DOVE2::Util
