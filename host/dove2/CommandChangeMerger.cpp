#include "dove2/CommandChangeMerger.h"

#include <memory>
#include <vector>

namespace DOVE2 {

namespace {

// Takes `field` from the target when the command changed it.
template <class T>
void takeChanged(T& field, const T& before, const T& after, const T& target) {
    if (before != after)
        field = target;
}

}  // namespace

QUILL::ChangeSet CommandChangeMerger::forApply(const QUILL::ChangeSet& recorded,
                                               const QUILL::Deviant& instance,
                                               QUILL::Deviant::Direction direction) {
    const bool forward = direction == QUILL::Deviant::Direction::Forward;
    std::vector<QUILL::ChangeSet::Change> changes;
    changes.reserve(recorded.size());
    for (const QUILL::ChangeSet::Change& change : recorded.changes()) {
        const QUILL::ObjectState* current = instance.find(change.id);
        QUILL::ChangeSet::Change applied = change;
        if (change.before && change.after && current)
            (forward ? applied.after : applied.before) = mergedState(change, *current, forward);
        changes.push_back(std::move(applied));
    }
    return QUILL::ChangeSet(std::move(changes));
}

QUILL::StatePtr CommandChangeMerger::mergedState(const QUILL::ChangeSet::Change& change,
                                                 const QUILL::ObjectState& current, bool forward) {
    const QUILL::ObjectState& before = *change.before;
    const QUILL::ObjectState& after = *change.after;
    const QUILL::ObjectState& target = forward ? after : before;
    auto merged = std::make_shared<QUILL::ObjectState>(current);
    takeChanged(merged->type, before.type, after.type, target.type);
    takeChanged(merged->container, before.container, after.container, target.container);
    takeChanged(merged->firstChild, before.firstChild, after.firstChild, target.firstChild);
    takeChanged(merged->lastChild, before.lastChild, after.lastChild, target.lastChild);
    takeChanged(merged->prevSibling, before.prevSibling, after.prevSibling, target.prevSibling);
    takeChanged(merged->nextSibling, before.nextSibling, after.nextSibling, target.nextSibling);
    takeChanged(merged->childCount, before.childCount, after.childCount, target.childCount);
    // The type sets the number of values; a state of another type is taken whole.
    if (merged->values.size() != target.values.size() ||
        before.values.size() != after.values.size())
        return forward ? change.after : change.before;
    for (std::size_t i = 0; i < merged->values.size(); ++i)
        takeChanged(merged->values[i], before.values[i], after.values[i], target.values[i]);
    return merged;
}

}  // namespace DOVE2
