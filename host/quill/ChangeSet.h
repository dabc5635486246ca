#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "quill/ObjectId.h"
#include "quill/ObjectState.h"

namespace QUILL {

using StatePtr = std::shared_ptr<const ObjectState>;

// What one committed transaction did: for every object it touched, the state before and the
// state after (null when the object did not exist). Changes are in the order the objects
// were first touched. A change set can be applied backwards (undo) or forwards (redo) with
// Deviant::applyChanges, which restores the model exactly.
class ChangeSet {
public:
    struct Change {
        ObjectId id;
        StatePtr before;
        StatePtr after;

        bool isCreation() const { return !before && after; }
        bool isDeletion() const { return before && !after; }
        // A modification seen by users; a change of sibling links alone is not one.
        bool isModification() const { return before && after && !before->sameContent(*after); }
    };

    ChangeSet() = default;
    explicit ChangeSet(std::vector<Change> changes) : changes_(std::move(changes)) {}

    const std::vector<Change>& changes() const { return changes_; }
    bool empty() const { return changes_.empty(); }
    std::size_t size() const { return changes_.size(); }
    // The change of one object; null when this set did not touch it. Linear in the set size.
    const Change* find(ObjectId id) const;
    // Approximate bytes held by the set and the states only it keeps alive.
    std::size_t memoryBytes() const;

private:
    std::vector<Change> changes_;
};

}  // namespace QUILL
