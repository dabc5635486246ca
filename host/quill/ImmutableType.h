#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "parr/Hash.h"
#include "quill/Type.h"

namespace QUILL {

// A value handle on a metaclass: what getMetaClass() and each typed class's static
// MetaClass() return. Compares and hashes by the metaclass's identity. An empty handle is
// invalid; reading through it throws the null-reference exception.
class ImmutableType {
public:
    ImmutableType() = default;
    ImmutableType(const Type& type) : type_(&type) {}  // NOLINT: a type is its own handle
    explicit ImmutableType(const Type* type) : type_(type) {}

    bool isValid() const { return type_ != nullptr; }
    const Type& get() const;
    const Type* ptr() const { return type_; }

    const std::string& getName() const { return get().getName(); }
    const std::string& getQualifiedName() const { return get().getQualifiedName(); }
    // The superclass; an invalid handle for a root class.
    ImmutableType getSuperclass() const { return ImmutableType(get().getSuperclass()); }
    std::vector<ImmutableType> getSuperclasses() const;
    // True when this type is `other` or derives from it; false for invalid handles.
    bool isKindOf(const ImmutableType& other) const {
        return type_ && other.type_ && type_->isKindOf(*other.type_);
    }
    const Attribute* findAttribute(const std::string& name) const {
        return get().findAttribute(name);
    }

    bool operator==(const ImmutableType& o) const { return type_ == o.type_; }
    bool operator!=(const ImmutableType& o) const { return type_ != o.type_; }
    // Orders by qualified name (invalid first) so ordered maps iterate predictably.
    bool operator<(const ImmutableType& o) const;

private:
    const Type* type_ = nullptr;
};

inline std::size_t gHash(const ImmutableType& t) {
    return PARR::gHash(t.ptr());
}

}  // namespace QUILL

template <>
struct std::hash<QUILL::ImmutableType> {
    std::size_t operator()(const QUILL::ImmutableType& t) const { return QUILL::gHash(t); }
};
