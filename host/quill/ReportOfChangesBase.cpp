#include "quill/ReportOfChangesBase.h"

namespace QUILL {

ImmutableClassObject ReportOfChangesBase::getOldState(const ImmutableClassObject& object) const {
    const ChangeSet::Change* change = changes_->find(object.getObjectId());
    if (!change || !change->before)
        return {};
    if (!snapshot_)
        snapshot_ = Deviant::makeSnapshot(*instance_, *changes_);
    return ImmutableClassObject(snapshot_.get(), object.getObjectId());
}

}  // namespace QUILL
