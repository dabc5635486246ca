#include "quill/ChangeSet.h"

namespace QUILL {

const ChangeSet::Change* ChangeSet::find(ObjectId id) const {
    for (const Change& c : changes_) {
        if (c.id == id)
            return &c;
    }
    return nullptr;
}

std::size_t ChangeSet::memoryBytes() const {
    std::size_t bytes = sizeof(ChangeSet) + changes_.capacity() * sizeof(Change);
    for (const Change& c : changes_) {
        // make_shared puts the control block (two counts, ~16 bytes) next to the state.
        if (c.before)
            bytes += c.before->memoryBytes() + 16;
        if (c.after)
            bytes += c.after->memoryBytes() + 16;
    }
    return bytes;
}

}  // namespace QUILL
