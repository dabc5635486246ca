#pragma once

#include "quill/ChangeSet.h"
#include "quill/Deviant.h"

namespace DOVE2 {

// What undo or redo of a command writes back: only what the command changed.
//
// For an object the command modified, the target state (its state before the command for
// undo, after it for redo) is taken field by field: each attribute value and each
// containment link that differs between the recorded before and after states comes from the
// target, every other field from the object's current state. So a change made to the object
// outside the command after it ran (an annotation's text edited in place) survives undoing
// the command. Objects the command created or deleted, and objects that no longer exist,
// take the whole target state.
//
// When the model is exactly as the command left it (or as its undo left it), the result is
// the recorded target itself: undo and redo still restore the model exactly.
class CommandChangeMerger {
public:
    CommandChangeMerger() = delete;

    // The change set to apply to `instance` in `direction` (Deviant::applyChanges) in place of
    // `recorded`. Costs O(objects in `recorded` x their attributes).
    static QUILL::ChangeSet forApply(const QUILL::ChangeSet& recorded,
                                     const QUILL::Deviant& instance,
                                     QUILL::Deviant::Direction direction);

private:
    static QUILL::StatePtr mergedState(const QUILL::ChangeSet::Change& change,
                                       const QUILL::ObjectState& current, bool forward);
};

}  // namespace DOVE2
