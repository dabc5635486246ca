#pragma once

#include <memory>

#include "parr/Holder.h"
#include "rook2/Node.h"

namespace ROOK2 {

// A non-owning reference to a node of kind T that knows when the node is gone: removed
// from its scene (Node::remove) or destroyed. Copyable; an empty WeakRef is never alive.
template <class T = Node>
class WeakRef {
public:
    WeakRef() = default;
    WeakRef(const T* node)  // NOLINT: implicit, like a pointer
        : anchor_(node ? node->anchor() : nullptr) {}
    WeakRef(const PARR::Holder<T>& node) : WeakRef(node.get()) {}  // NOLINT: implicit

    bool isAlive() const { return get() != nullptr; }
    explicit operator bool() const { return isAlive(); }
    // The node while it is alive, null afterwards.
    T* get() const { return anchor_ && *anchor_ ? static_cast<T*>(*anchor_) : nullptr; }
    T* operator->() const { return get(); }
    // A holder of the node while it is alive, empty afterwards.
    PARR::Holder<T> lock() const { return PARR::Holder<T>(get()); }
    void reset() { anchor_.reset(); }

private:
    std::shared_ptr<Node*> anchor_;
};

}  // namespace ROOK2
