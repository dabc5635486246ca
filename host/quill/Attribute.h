#pragma once

#include <cstddef>
#include <string>

#include "quill/Value.h"

namespace QUILL {

class Type;

// An attribute owned by a metaclass. Its slot index is the same in the owning class and in
// every subclass, so a typed accessor reads one vector element. Attributes are created by
// Type::addAttribute and live as long as their type (for the life of the process).
class Attribute {
public:
    Attribute(const Type& owner, std::string name, ValueKind kind, Value defaultValue,
              std::size_t index)
        : owner_(&owner),
          name_(std::move(name)),
          kind_(kind),
          default_(std::move(defaultValue)),
          index_(index) {}

    const Type& getOwner() const { return *owner_; }
    const std::string& getName() const { return name_; }
    ValueKind getKind() const { return kind_; }
    const Value& getDefault() const { return default_; }
    std::size_t getIndex() const { return index_; }

private:
    const Type* owner_;
    std::string name_;
    ValueKind kind_;
    Value default_;
    std::size_t index_;
};

}  // namespace QUILL
