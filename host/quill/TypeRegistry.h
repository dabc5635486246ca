#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "quill/Type.h"

namespace QUILL {

// The process-wide table of metaclasses by qualified name. Types are never removed.
class TypeRegistry {
public:
    static TypeRegistry& instance();

    // Defines a new type. Defining a name twice is an assertion failure.
    Type& define(const std::string& qualifiedName, const Type* superclass = nullptr);
    // The type of that qualified name; null when none is defined.
    const Type* find(const std::string& qualifiedName) const;
    // Every type, in definition order.
    std::vector<const Type*> all() const;

private:
    TypeRegistry() = default;
    std::unordered_map<std::string, std::unique_ptr<Type>> byName_;
    std::vector<const Type*> order_;
};

}  // namespace QUILL
