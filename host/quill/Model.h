#pragma once

#include <memory>

#include "quill/ChangeSet.h"
#include "quill/ClassObject.h"
#include "quill/ImmutableModel.h"

namespace QUILL {

// A value handle on a model instance through which it can be changed: transactions, working
// copies, undo and redo. See Deviant for the semantics of each operation.
class Model : public ImmutableModel {
public:
    Model() = default;
    explicit Model(Deviant* instance) : ImmutableModel(instance) {}
    // Write access to an instance known only read-only; the caller vouches for it.
    explicit Model(const ImmutableModel& m) : ImmutableModel(m.getDeviantPtr()) {}

    // A new model with one model object of `modelType`.
    static Model create(const Type& modelType) { return Model(&Deviant::createModel(modelType)); }

    Model getRootDeviant() const { return Model(&getDeviant().getRootDeviant()); }
    Model createWorkingCopy() const { return Model(&getDeviant().createWorkingCopy()); }
    ClassObject getModelObject() const { return ClassObject(ImmutableModel::getModelObject()); }
    ClassObject getObject(ObjectId id) const { return ClassObject(instance_, id); }

    void beginTransaction() const { getDeviant().beginTransaction(); }
    std::shared_ptr<const ChangeSet> commitTransaction() const {
        return getDeviant().commitTransaction();
    }
    void rollbackTransaction() const { getDeviant().rollbackTransaction(); }
    bool inTransaction() const { return isValid() && instance_->inTransaction(); }

    void syncFromRoot() const { getDeviant().syncFromRoot(); }
    void notifyObjectIsAboutToChange(const ImmutableClassObject& o) const {
        getDeviant().notifyObjectIsAboutToChange(o.getObjectId());
    }
    void applyChanges(const ChangeSet& changes, Deviant::Direction direction) const {
        getDeviant().applyChanges(changes, direction);
    }
    // Closes the instance (a root: the whole model with its working copies).
    void close() const {
        if (instance_)
            instance_->close();
    }
};

}  // namespace QUILL
