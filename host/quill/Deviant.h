#pragma once

#include <cstddef>
#include <memory>
#include <unordered_map>
#include <vector>

#include "quill/ChangeSet.h"
#include "quill/ObjectId.h"
#include "quill/ObjectState.h"
#include "quill/ReportOfChangesFwd.h"
#include "quill/TransactionLog.h"
#include "quill/Value.h"

namespace QUILL {

class ListenerBase;

// A model instance: the root model (getDeviantId() == 0), one of its working copies, or a
// read-only snapshot of the states before a commit (what ReportOfChanges::getOldState reads).
//
// The root holds every object's state. A working copy is a copy-on-write overlay: it holds
// only the objects it changed, created or deleted and reads everything else through to the
// root, so reading costs one extra hash probe at most and syncFromRoot costs what the copy
// changed, never what the model holds.
//
// Changes happen inside a transaction (beginTransaction ... commitTransaction). The first
// write of an object in a transaction records its state before; commit turns the records into
// a ChangeSet and delivers one ReportOfChanges to the listeners of this instance. Commits to
// the root are also delivered to each working copy's listeners for the objects that copy does
// not overlay. Rollback puts every recorded state back: the instance is exactly as before.
//
// Lifetime: roots and working copies are owned by the repository and stay allocated for the
// life of the process; close() empties them, after which every handle on them tests invalid.
// Snapshots are owned by the report that made them. All calls happen on one thread.
class Deviant {
public:
    enum class Kind { Root, WorkingCopy, Snapshot };
    enum class Direction { Backward, Forward };

    Deviant(const Deviant&) = delete;
    Deviant& operator=(const Deviant&) = delete;
    ~Deviant();

    // --- Lifetime --------------------------------------------------------------------------
    // A new model: a root instance holding one object of `modelType` (the model object).
    static Deviant& createModel(const Type& modelType);
    // The open root instances, in creation order.
    static std::vector<Deviant*> openModels();
    // A new, empty working copy of this root. Only roots have working copies.
    Deviant& createWorkingCopy();
    // Closes this instance: a root closes its working copies first. Listeners hear
    // onDeviantDestroyed; afterwards the instance holds nothing. Not inside a transaction.
    void close();
    bool isOpen() const { return open_; }

    Kind kind() const { return kind_; }
    bool isRoot() const { return kind_ == Kind::Root; }
    // 0 for a root; a number unique among the root's copies and snapshots otherwise.
    unsigned getDeviantId() const { return deviantId_; }
    Deviant& getRootDeviant() { return *root_; }
    const Deviant& getRootDeviant() const { return *root_; }
    const std::vector<Deviant*>& getWorkingCopies() const { return copies_; }
    // The model object made with the model; every other object hangs below it or is free.
    ObjectId getModelObject() const { return root_->modelObject_; }

    // --- Reading ---------------------------------------------------------------------------
    // The object's current state in this instance; null when it does not exist here.
    const ObjectState* find(ObjectId id) const;
    bool exists(ObjectId id) const { return find(id) != nullptr; }
    // True when this instance holds its own entry for the object (always, for a root's
    // existing objects; for a working copy, when it changed, created or deleted it).
    bool overlays(ObjectId id) const { return objects_.count(id) != 0; }
    // Entries held by this instance itself: all objects for a root, the overlay for a copy.
    std::size_t ownEntryCount() const { return objects_.size(); }
    // Calls f(id, state) for each entry this instance holds itself (state null: deleted in
    // this copy), in no particular order.
    template <class F>
    void forEachOwnEntry(F&& f) const {
        for (const auto& [id, state] : objects_)
            f(id, static_cast<const ObjectState*>(state.get()));
    }

    // --- Transactions ----------------------------------------------------------------------
    // Opens a transaction, or a nested one inside the open transaction.
    void beginTransaction();
    // Ends the innermost transaction. The outermost returns what it changed (possibly an
    // empty set) and delivers the report when something changed; nested ones return null.
    std::shared_ptr<const ChangeSet> commitTransaction();
    // Undoes everything done since the innermost beginTransaction and closes it. No report.
    void rollbackTransaction();
    bool inTransaction() const { return log_.depth() > 0; }
    int transactionDepth() const { return log_.depth(); }

    // --- Edits (each needs an open transaction) --------------------------------------------
    // Records the object's state before a change (cheap; once per transaction).
    void notifyObjectIsAboutToChange(ObjectId id);
    // The object's state, private to this transaction, ready to be changed.
    ObjectState& writable(ObjectId id);
    // Creates an object of `type`, appended to the contained objects of `container`
    // (kNoObject: a free object). Returns its new id.
    ObjectId createObject(const Type& type, ObjectId container);
    // Destroys the object and everything it contains, and takes it out of its container.
    void destroyObject(ObjectId id);
    // Moves the object to the end of `container`'s contained objects (kNoObject: detach).
    // Moving an object into itself or below itself is refused with an assertion failure;
    // moving it to the container it has already changes nothing.
    void setContainer(ObjectId id, ObjectId container);
    // Sets one attribute; a value equal to the current one changes nothing.
    void setValue(ObjectId id, const Attribute& attribute, Value value);
    // Applies a recorded change set: Backward puts every object into its state before
    // (undo), Forward into its state after (redo).
    void applyChanges(const ChangeSet& changes, Direction direction);
    // Drops everything this working copy changed, so it shows the root again. Outside a
    // transaction it runs in one of its own; the report names the objects put back. A root
    // has nothing to drop.
    void syncFromRoot();

    // --- Listeners -------------------------------------------------------------------------
    // Listeners hear each commit of this instance, in registration order. A listener may
    // unregister itself or others while being told.
    void registerModifierOnCommit(ListenerBase* listener);
    void unregisterModifierOnCommit(ListenerBase* listener);

    // Hooks run at the end of every outermost transaction, before it commits, with the ids of
    // the objects it touched (first-touch order). A hook may change more objects; they are
    // part of the same transaction. Used by typed models to keep invariants (for instance,
    // to remove elements an edit left orphaned). Process-wide; registered once.
    using CommitHook = void (*)(Deviant& instance, const std::vector<ObjectId>& touched);
    static void addCommitHook(CommitHook hook);

    // A read-only instance that shows the states before `changes` over `live`.
    static std::shared_ptr<Deviant> makeSnapshot(Deviant& live, const ChangeSet& changes);

private:
    Deviant(Kind kind, Deviant* root, Deviant* parent, unsigned id);

    void requireTransaction() const;
    void requireWritable() const;
    std::shared_ptr<ObjectState> visibleState(ObjectId id) const;
    void touch(ObjectId id);
    void putState(ObjectId id, std::shared_ptr<ObjectState> state);
    void linkChild(ObjectId container, ObjectId child);
    void unlinkChild(ObjectId child);
    std::vector<ObjectId> subtreeOf(ObjectId id) const;
    bool isInside(ObjectId candidate, ObjectId ancestor) const;
    std::shared_ptr<const ChangeSet> finishOutermost();
    void runCommitHooks();
    void deliver(const std::shared_ptr<const ChangeSet>& changes);
    void deliverToWorkingCopies(const ChangeSet& changes);
    void notifyListeners(const ReportOfChanges<>& report);

    Kind kind_;
    Deviant* root_;
    Deviant* parent_;  // where reads fall through to; null for a root
    unsigned deviantId_;
    bool open_ = true;
    ObjectId modelObject_ = kNoObject;
    unsigned nextDeviantId_ = 1;
    // Root: every object. Copy or snapshot: its own entries, where null means "deleted here".
    std::unordered_map<ObjectId, std::shared_ptr<ObjectState>> objects_;
    TransactionLog log_;
    std::vector<Deviant*> copies_;
    std::vector<ListenerBase*> listeners_;

    friend class ListenerBase;
};

}  // namespace QUILL
