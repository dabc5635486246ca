#include "quill/TypeRegistry.h"

#include "quill/Exception.h"

namespace QUILL {

TypeRegistry& TypeRegistry::instance() {
    static TypeRegistry* registry = new TypeRegistry;  // types outlive every static user
    return *registry;
}

Type& TypeRegistry::define(const std::string& qualifiedName, const Type* superclass) {
    QUILL_ASSERT(!byName_.count(qualifiedName), "type " + qualifiedName + " is already defined");
    auto type = std::make_unique<Type>(qualifiedName, superclass);
    Type& ref = *type;
    byName_.emplace(qualifiedName, std::move(type));
    order_.push_back(&ref);
    return ref;
}

const Type* TypeRegistry::find(const std::string& qualifiedName) const {
    auto it = byName_.find(qualifiedName);
    return it == byName_.end() ? nullptr : it->second.get();
}

std::vector<const Type*> TypeRegistry::all() const {
    return order_;
}

}  // namespace QUILL
