#pragma once

#include <vector>

#include "quill/ImmutableType.h"
#include "quill/ReportOfChangesBase.h"
#include "quill/ReportOfChangesFwd.h"

namespace QUILL {

// The filter that accepts every object.
struct TRUE_TYPE {
    static bool accept(const ImmutableType&) { return true; }
};

// The filter that accepts objects of class T and its subclasses (T has a static MetaClass()).
template <class T>
struct KindOf {
    static bool accept(const ImmutableType& type) { return type.isKindOf(T::MetaClass()); }
};

// A report of one commit: the objects created, modified and deleted, as `Handle`s bound to
// the reporting instance, restricted to the objects `Filter` accepts (by class: the class
// after the commit, or before it for deleted objects). Handles of deleted objects test
// invalid; getOldState reads them as they were. A change of an object's sibling links alone
// (a neighbour was added or removed) is not reported as a modification.
template <class Handle, class Filter>
class ReportOfChanges : public ReportOfChangesBase {
public:
    ReportOfChanges(Deviant& instance, std::shared_ptr<const ChangeSet> changes)
        : ReportOfChangesBase(instance, std::move(changes)) {
        classify();
    }
    // A typed view of any report.
    explicit ReportOfChanges(const ReportOfChangesBase& other) : ReportOfChangesBase(other) {
        classify();
    }

    const std::vector<Handle>& getCreated() const { return created_; }
    const std::vector<Handle>& getModified() const { return modified_; }
    const std::vector<Handle>& getDeleted() const { return deleted_; }
    bool empty() const { return created_.empty() && modified_.empty() && deleted_.empty(); }

private:
    void classify() {
        for (const auto& change : changes_->changes()) {
            const ObjectState& s = change.after ? *change.after : *change.before;
            if (!Filter::accept(ImmutableType(s.type)))
                continue;
            const Handle handle(ImmutableClassObject(instance_, change.id));
            if (change.isCreation()) {
                created_.push_back(handle);
            } else if (change.isDeletion()) {
                deleted_.push_back(handle);
            } else if (change.isModification()) {
                modified_.push_back(handle);
            }
        }
    }

    std::vector<Handle> created_;
    std::vector<Handle> modified_;
    std::vector<Handle> deleted_;
};

}  // namespace QUILL
