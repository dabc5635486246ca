#include "quill/Type.h"

#include "quill/Exception.h"

namespace QUILL {

Type::Type(std::string qualifiedName, const Type* superclass)
    : qualifiedName_(std::move(qualifiedName)),
      superclass_(superclass),
      firstSlot_(superclass ? superclass->attributeCount() : 0) {
    const auto dot = qualifiedName_.rfind('.');
    name_ = dot == std::string::npos ? qualifiedName_ : qualifiedName_.substr(dot + 1);
    if (superclass_)
        superclass_->seal();
}

std::vector<const Type*> Type::getSuperclassChain() const {
    std::vector<const Type*> chain;
    for (const Type* t = this; t; t = t->superclass_)
        chain.push_back(t);
    return chain;
}

bool Type::isKindOf(const Type& other) const {
    for (const Type* t = this; t; t = t->superclass_) {
        if (t == &other)
            return true;
    }
    return false;
}

const Attribute& Type::addAttribute(const std::string& name, ValueKind kind) {
    return addAttribute(name, kind, defaultValueOf(kind));
}

const Attribute& Type::addAttribute(const std::string& name, ValueKind kind, Value defaultValue) {
    QUILL_ASSERT(!sealed_, "attributes of " + qualifiedName_ + " are fixed once it is in use");
    QUILL_ASSERT(!findAttribute(name),
                 "attribute " + name + " already exists in " + qualifiedName_);
    QUILL_ASSERT(kindOf(defaultValue) == kind,
                 "default of " + name + " is not a " + kindName(kind));
    return owned_.emplace_back(*this, name, kind, std::move(defaultValue), attributeCount());
}

const Attribute* Type::findAttribute(const std::string& name) const {
    for (const Type* t = this; t; t = t->superclass_) {
        for (const Attribute& a : t->owned_) {
            if (a.getName() == name)
                return &a;
        }
    }
    return nullptr;
}

const Attribute& Type::attribute(const std::string& name) const {
    const Attribute* a = findAttribute(name);
    QUILL_ASSERT(a, qualifiedName_ + " has no attribute " + name);
    return *a;
}

std::vector<const Attribute*> Type::getAllAttributes() const {
    std::vector<const Attribute*> all;
    all.reserve(attributeCount());
    const auto chain = getSuperclassChain();
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        for (const Attribute& a : (*it)->owned_)
            all.push_back(&a);
    }
    return all;
}

}  // namespace QUILL
