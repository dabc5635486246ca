#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "quill/ObjectId.h"
#include "quill/ObjectState.h"

namespace QUILL {

// The record a model instance keeps while transactions are open: one level per open
// (possibly nested) transaction, and per level the objects first touched in it with their
// state before. `isPrivate` says whether the instance's current state of the object was made
// by this transaction and may be changed in place (otherwise it is shared with a committed
// change set or another instance and must be copied first).
class TransactionLog {
public:
    struct Before {
        std::shared_ptr<ObjectState> state;  // null: the object did not exist
        bool hadEntry;                       // the instance held its own entry for it
    };
    struct Entry {
        Before before;
        bool isPrivate;
    };
    struct Level {
        std::unordered_map<ObjectId, Entry> entries;
        std::vector<ObjectId> order;  // first-touch order
    };

    int depth() const { return static_cast<int>(levels_.size()); }
    void open() { levels_.emplace_back(); }

    // The innermost level's entry for the object; null when it was not touched there.
    Entry* innermostEntry(ObjectId id);
    // Adds the object to the innermost level with its state before; returns the new entry.
    Entry& record(ObjectId id, Before before);

    // The objects first touched in the innermost level, in order.
    const std::vector<ObjectId>& innermostOrder() const { return levels_.back().order; }

    // Closes the innermost level, folding it into the one below (a nested commit). Entries
    // already in the outer level keep their older state before.
    void mergeInnermost();
    // Removes and returns the innermost level (for rollback or the outermost commit).
    Level takeInnermost();

private:
    std::vector<Level> levels_;
};

}  // namespace QUILL
