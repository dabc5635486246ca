#pragma once

#include <cstddef>
#include <vector>

#include "quill/ObjectId.h"
#include "quill/Type.h"
#include "quill/Value.h"

namespace QUILL {

// The whole state of one object at one moment: its type, its place in the containment tree
// and its attribute values (one per slot of the type).
//
// Contained objects form a doubly linked list through the children's sibling links, with
// first/last child and a count in the container. Adding or removing a child therefore
// changes the child, its container and at most two neighbours, never a whole list: the cost
// of an edit does not grow with the size of a diagram.
//
// States are shared between a model instance, its working copies and recorded change sets;
// a state reachable from a committed transaction is never changed in place (the repository
// copies it on the first write of each transaction).
struct ObjectState {
    const Type* type = nullptr;
    ObjectId container = kNoObject;
    ObjectId firstChild = kNoObject;
    ObjectId lastChild = kNoObject;
    ObjectId prevSibling = kNoObject;
    ObjectId nextSibling = kNoObject;
    std::size_t childCount = 0;
    std::vector<Value> values;

    // A fresh state of `t` with every attribute at its default.
    static ObjectState ofType(const Type& t);

    // Equal in everything a user of the object can observe: all but the sibling links
    // (which change when a neighbour is added or removed).
    bool sameContent(const ObjectState& o) const;
    bool operator==(const ObjectState& o) const;

    // Approximate bytes owned by this state (for memory accounting).
    std::size_t memoryBytes() const;
};

}  // namespace QUILL
