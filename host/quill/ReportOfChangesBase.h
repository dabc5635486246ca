#pragma once

#include <memory>

#include "quill/ChangeSet.h"
#include "quill/Deviant.h"
#include "quill/ImmutableClassObject.h"
#include "quill/ImmutableModel.h"

namespace QUILL {

// What one commit changed in one model instance: the recorded change set and the instance
// it is reported for. Typed views (ReportOfChanges<Handle, Filter>) are built on it.
class ReportOfChangesBase {
public:
    ReportOfChangesBase(Deviant& instance, std::shared_ptr<const ChangeSet> changes)
        : instance_(&instance), changes_(std::move(changes)) {}

    ImmutableModel getModel() const { return ImmutableModel(instance_); }
    const ChangeSet& getChangeSet() const { return *changes_; }
    const std::shared_ptr<const ChangeSet>& getChangeSetPtr() const { return changes_; }

    // The object as it was before the commit, readable even when the commit deleted it.
    // An empty handle when the commit did not touch the object or created it. The handle
    // reads other objects through to the live instance, and is usable while a report made
    // from this one (or this one) lives.
    ImmutableClassObject getOldState(const ImmutableClassObject& object) const;

protected:
    Deviant* instance_;
    std::shared_ptr<const ChangeSet> changes_;
    mutable std::shared_ptr<Deviant> snapshot_;  // made on the first getOldState
};

}  // namespace QUILL
