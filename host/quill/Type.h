#pragma once

#include <deque>
#include <string>
#include <vector>

#include "quill/Attribute.h"

namespace QUILL {

// A metaclass: a qualified name ("VTQUILL.Block"), at most one superclass, and the attributes
// it owns. Types are created once through TypeRegistry::define and live for the life of the
// process; a typed handle class exposes its type through a static MetaClass().
//
// Attribute slots: a class's attributes follow its superclass's, so every attribute keeps its
// index in all subclasses. A class gets its attributes before any subclass is defined and
// before any object of it is created (asserted).
class Type {
public:
    Type(std::string qualifiedName, const Type* superclass);
    Type(const Type&) = delete;
    Type& operator=(const Type&) = delete;

    const std::string& getQualifiedName() const { return qualifiedName_; }
    // The last component of the qualified name ("Block" for "VTQUILL.Block").
    const std::string& getName() const { return name_; }
    const Type* getSuperclass() const { return superclass_; }
    // This class, then its superclass, up to the root class.
    std::vector<const Type*> getSuperclassChain() const;

    // True when this type is `other` or derives from it.
    bool isKindOf(const Type& other) const;

    // Adds an owned attribute. The name must be unique along the superclass chain.
    const Attribute& addAttribute(const std::string& name, ValueKind kind);
    const Attribute& addAttribute(const std::string& name, ValueKind kind, Value defaultValue);

    // The attribute of that name, own or inherited; null when there is none.
    const Attribute* findAttribute(const std::string& name) const;
    // Like findAttribute, but a missing name is an assertion failure.
    const Attribute& attribute(const std::string& name) const;
    const std::deque<Attribute>& getOwnedAttributes() const { return owned_; }
    // All attributes, inherited first, in slot order.
    std::vector<const Attribute*> getAllAttributes() const;
    std::size_t attributeCount() const { return firstSlot_ + owned_.size(); }

    // Called when a subclass is defined or an object is created: no more attributes.
    void seal() const { sealed_ = true; }

private:
    std::string qualifiedName_;
    std::string name_;
    const Type* superclass_;
    std::size_t firstSlot_;
    std::deque<Attribute> owned_;  // deque: attribute addresses stay stable
    mutable bool sealed_ = false;
};

}  // namespace QUILL
