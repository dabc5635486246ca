#include "quill/ListenerBase.h"

#include "quill/Deviant.h"

namespace QUILL {

ListenerBase::~ListenerBase() {
    // unregisterModifierOnCommit edits instances_; work on a copy.
    const auto instances = instances_;
    for (Deviant* d : instances)
        d->unregisterModifierOnCommit(this);
}

void ListenerBase::onCommit(const ReportOfChanges<>&) {}

void ListenerBase::onDeviantDestroyed(Deviant&) {}

}  // namespace QUILL
