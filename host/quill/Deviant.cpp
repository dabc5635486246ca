#include "quill/Deviant.h"

#include <algorithm>
#include <iostream>

#include "quill/Exception.h"
#include "quill/ListenerBase.h"
#include "quill/ReportOfChanges.h"

namespace QUILL {

namespace {

// Every root and working copy ever made. They stay allocated (emptied once closed) so that a
// stale handle on a closed instance tests invalid instead of reaching freed memory.
std::vector<std::unique_ptr<Deviant>>& allInstances() {
    static auto* instances = new std::vector<std::unique_ptr<Deviant>>;
    return *instances;
}

std::vector<Deviant*>& openRoots() {
    static auto* roots = new std::vector<Deviant*>;
    return *roots;
}

std::vector<Deviant::CommitHook>& commitHooks() {
    static auto* hooks = new std::vector<Deviant::CommitHook>;
    return *hooks;
}

std::shared_ptr<ObjectState> unfrozen(const StatePtr& state) {
    // Committed states are shared and never changed in place: the log copies a state before
    // the first write of every transaction, so holding it mutably here is safe.
    return std::const_pointer_cast<ObjectState>(state);
}

}  // namespace

Deviant::Deviant(Kind kind, Deviant* root, Deviant* parent, unsigned id)
    : kind_(kind), root_(root ? root : this), parent_(parent), deviantId_(id) {}

Deviant::~Deviant() = default;

Deviant& Deviant::createModel(const Type& modelType) {
    auto owned = std::unique_ptr<Deviant>(new Deviant(Kind::Root, nullptr, nullptr, 0));
    Deviant& root = *owned;
    allInstances().push_back(std::move(owned));
    openRoots().push_back(&root);
    // The model object exists from the start; its creation is not a change anyone undoes.
    root.modelObject_ = newObjectId();
    root.objects_.emplace(root.modelObject_,
                          std::make_shared<ObjectState>(ObjectState::ofType(modelType)));
    return root;
}

std::vector<Deviant*> Deviant::openModels() {
    return openRoots();
}

Deviant& Deviant::createWorkingCopy() {
    QUILL_ASSERT(isRoot() && open_, "working copies are made from an open root model");
    auto owned =
        std::unique_ptr<Deviant>(new Deviant(Kind::WorkingCopy, this, this, nextDeviantId_++));
    Deviant& copy = *owned;
    allInstances().push_back(std::move(owned));
    copies_.push_back(&copy);
    return copy;
}

void Deviant::close() {
    if (!open_)
        return;
    QUILL_ASSERT(!inTransaction(), "a model instance cannot close inside a transaction");
    const auto copies = copies_;
    for (Deviant* copy : copies)
        copy->close();
    const auto listeners = listeners_;
    for (ListenerBase* l : listeners) {
        if (std::find(listeners_.begin(), listeners_.end(), l) != listeners_.end()) {
            l->onDeviantDestroyed(*this);
        }
    }
    for (ListenerBase* l : listeners_)
        std::erase(l->instances_, this);
    listeners_.clear();
    objects_.clear();
    open_ = false;
    if (isRoot()) {
        std::erase(openRoots(), this);
    } else if (kind_ == Kind::WorkingCopy) {
        std::erase(root_->copies_, this);
    }
}

// --- Reading ------------------------------------------------------------------------------

const ObjectState* Deviant::find(ObjectId id) const {
    if (!objects_.empty()) {
        auto it = objects_.find(id);
        if (it != objects_.end())
            return it->second.get();
    }
    return parent_ ? parent_->find(id) : nullptr;
}

std::shared_ptr<ObjectState> Deviant::visibleState(ObjectId id) const {
    auto it = objects_.find(id);
    if (it != objects_.end())
        return it->second;
    return parent_ ? parent_->visibleState(id) : nullptr;
}

// --- Transactions -------------------------------------------------------------------------

void Deviant::beginTransaction() {
    requireWritable();
    log_.open();
}

std::shared_ptr<const ChangeSet> Deviant::commitTransaction() {
    requireTransaction();
    if (log_.depth() > 1) {
        log_.mergeInnermost();
        return nullptr;
    }
    try {
        runCommitHooks();
    } catch (...) {
        rollbackTransaction();
        throw;
    }
    auto changes = finishOutermost();
    if (!changes->empty())
        deliver(changes);
    return changes;
}

void Deviant::addCommitHook(CommitHook hook) {
    auto& hooks = commitHooks();
    if (std::find(hooks.begin(), hooks.end(), hook) == hooks.end())
        hooks.push_back(hook);
}

void Deviant::runCommitHooks() {
    if (commitHooks().empty())
        return;
    const std::vector<ObjectId> touched = log_.innermostOrder();
    for (CommitHook hook : commitHooks())
        hook(*this, touched);
}

void Deviant::rollbackTransaction() {
    requireTransaction();
    TransactionLog::Level level = log_.takeInnermost();
    for (ObjectId id : level.order) {
        TransactionLog::Before& before = level.entries.at(id).before;
        if (before.hadEntry) {
            objects_[id] = std::move(before.state);
        } else {
            objects_.erase(id);
        }
    }
}

std::shared_ptr<const ChangeSet> Deviant::finishOutermost() {
    TransactionLog::Level level = log_.takeInnermost();
    std::vector<ChangeSet::Change> changes;
    changes.reserve(level.order.size());
    for (ObjectId id : level.order) {
        StatePtr before = std::move(level.entries.at(id).before.state);
        StatePtr after = visibleState(id);
        if (before == after)
            continue;
        if (before && after && *before == *after)
            continue;
        changes.push_back({id, std::move(before), std::move(after)});
    }
    return std::make_shared<const ChangeSet>(std::move(changes));
}

void Deviant::requireTransaction() const {
    if (!inTransaction()) {
        assertionFailed("no transaction is open on this model instance", __FILE__, __LINE__,
                        __func__);
    }
}

void Deviant::requireWritable() const {
    if (!open_)
        throwNullRef();
    if (kind_ == Kind::Snapshot) {
        assertionFailed("a snapshot of old states cannot be changed", __FILE__, __LINE__, __func__);
    }
}

// --- Edits --------------------------------------------------------------------------------

void Deviant::touch(ObjectId id) {
    if (log_.innermostEntry(id))
        return;
    auto it = objects_.find(id);
    const bool hadEntry = it != objects_.end();
    log_.record(id, {hadEntry ? it->second : visibleState(id), hadEntry});
}

void Deviant::putState(ObjectId id, std::shared_ptr<ObjectState> state) {
    touch(id);
    log_.innermostEntry(id)->isPrivate = false;
    if (!state && isRoot()) {
        objects_.erase(id);
    } else {
        objects_[id] = std::move(state);
    }
}

void Deviant::notifyObjectIsAboutToChange(ObjectId id) {
    requireTransaction();
    if (!exists(id))
        throwNullRef();
    touch(id);
}

ObjectState& Deviant::writable(ObjectId id) {
    requireTransaction();
    TransactionLog::Entry* entry = log_.innermostEntry(id);
    if (entry && entry->isPrivate)
        return *objects_.find(id)->second;
    std::shared_ptr<ObjectState> current = visibleState(id);
    if (!current)
        throwNullRef();
    if (!entry)
        entry = &log_.record(id, {current, objects_.count(id) != 0});
    auto copy = std::make_shared<ObjectState>(*current);
    objects_[id] = copy;
    entry->isPrivate = true;
    return *copy;
}

ObjectId Deviant::createObject(const Type& type, ObjectId container) {
    requireTransaction();
    if (container != kNoObject && !exists(container))
        throwNullRef();
    const ObjectId id = newObjectId();
    log_.record(id, {nullptr, false}).isPrivate = true;
    objects_.emplace(id, std::make_shared<ObjectState>(ObjectState::ofType(type)));
    if (container != kNoObject)
        linkChild(container, id);
    return id;
}

void Deviant::destroyObject(ObjectId id) {
    requireTransaction();
    if (!exists(id))
        throwNullRef();
    QUILL_ASSERT(id != getModelObject(), "the model object cannot be destroyed");
    const std::vector<ObjectId> subtree = subtreeOf(id);
    unlinkChild(id);
    for (ObjectId gone : subtree)
        putState(gone, nullptr);
}

void Deviant::setContainer(ObjectId id, ObjectId container) {
    requireTransaction();
    const ObjectState* state = find(id);
    if (!state)
        throwNullRef();
    if (state->container == container)
        return;
    if (container != kNoObject) {
        if (!exists(container))
            throwNullRef();
        QUILL_ASSERT(!isInside(container, id), "an object cannot contain itself");
    }
    unlinkChild(id);
    if (container != kNoObject)
        linkChild(container, id);
}

void Deviant::setValue(ObjectId id, const Attribute& attribute, Value value) {
    requireTransaction();
    const ObjectState* state = find(id);
    if (!state)
        throwNullRef();
    QUILL_ASSERT(state->type->isKindOf(attribute.getOwner()),
                 state->type->getQualifiedName() + " has no attribute " + attribute.getName());
    QUILL_ASSERT(kindOf(value) == attribute.getKind(),
                 "attribute " + attribute.getName() + " holds a " + kindName(attribute.getKind()) +
                     ", not a " + kindName(kindOf(value)));
    if (state->values[attribute.getIndex()] == value)
        return;
    writable(id).values[attribute.getIndex()] = std::move(value);
}

void Deviant::applyChanges(const ChangeSet& changes, Direction direction) {
    requireTransaction();
    const auto& list = changes.changes();
    if (direction == Direction::Backward) {
        for (auto it = list.rbegin(); it != list.rend(); ++it)
            putState(it->id, unfrozen(it->before));
    } else {
        for (const auto& change : list)
            putState(change.id, unfrozen(change.after));
    }
}

void Deviant::syncFromRoot() {
    if (kind_ != Kind::WorkingCopy || !open_)
        return;
    if (!inTransaction()) {
        beginTransaction();
        syncFromRoot();
        commitTransaction();
        return;
    }
    for (const auto& [id, state] : objects_)
        touch(id);
    for (const auto& [id, state] : objects_)
        log_.innermostEntry(id)->isPrivate = false;
    objects_.clear();
}

// --- Containment --------------------------------------------------------------------------

void Deviant::linkChild(ObjectId container, ObjectId child) {
    ObjectState& parent = writable(container);
    ObjectState& state = writable(child);
    state.container = container;
    state.prevSibling = parent.lastChild;
    state.nextSibling = kNoObject;
    if (parent.lastChild != kNoObject) {
        writable(parent.lastChild).nextSibling = child;
    } else {
        parent.firstChild = child;
    }
    parent.lastChild = child;
    ++parent.childCount;
}

void Deviant::unlinkChild(ObjectId child) {
    const ObjectState* current = find(child);
    if (!current || current->container == kNoObject)
        return;
    ObjectState& state = writable(child);
    ObjectState& parent = writable(state.container);
    if (state.prevSibling != kNoObject) {
        writable(state.prevSibling).nextSibling = state.nextSibling;
    } else {
        parent.firstChild = state.nextSibling;
    }
    if (state.nextSibling != kNoObject) {
        writable(state.nextSibling).prevSibling = state.prevSibling;
    } else {
        parent.lastChild = state.prevSibling;
    }
    --parent.childCount;
    state.container = state.prevSibling = state.nextSibling = kNoObject;
}

std::vector<ObjectId> Deviant::subtreeOf(ObjectId id) const {
    std::vector<ObjectId> result{id};
    for (std::size_t i = 0; i < result.size(); ++i) {
        const ObjectState* s = find(result[i]);
        for (ObjectId c = s->firstChild; c != kNoObject; c = find(c)->nextSibling) {
            result.push_back(c);
        }
    }
    return result;
}

bool Deviant::isInside(ObjectId candidate, ObjectId ancestor) const {
    for (ObjectId at = candidate; at != kNoObject; at = find(at)->container) {
        if (at == ancestor)
            return true;
    }
    return false;
}

// --- Listeners ----------------------------------------------------------------------------

void Deviant::registerModifierOnCommit(ListenerBase* listener) {
    if (!listener || !open_)
        return;
    if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end())
        return;
    listeners_.push_back(listener);
    listener->instances_.push_back(this);
}

void Deviant::unregisterModifierOnCommit(ListenerBase* listener) {
    auto it = std::find(listeners_.begin(), listeners_.end(), listener);
    if (it == listeners_.end())
        return;
    listeners_.erase(it);
    std::erase(listener->instances_, this);
}

void Deviant::deliver(const std::shared_ptr<const ChangeSet>& changes) {
    if (!listeners_.empty())
        notifyListeners(ReportOfChanges<>(*this, changes));
    if (isRoot())
        deliverToWorkingCopies(*changes);
}

void Deviant::deliverToWorkingCopies(const ChangeSet& changes) {
    const auto copies = copies_;
    for (Deviant* copy : copies) {
        if (copy->listeners_.empty())
            continue;
        std::vector<ChangeSet::Change> seen;
        for (const auto& change : changes.changes()) {
            if (!copy->overlays(change.id))
                seen.push_back(change);
        }
        if (seen.empty())
            continue;
        copy->notifyListeners(
            ReportOfChanges<>(*copy, std::make_shared<const ChangeSet>(std::move(seen))));
    }
}

void Deviant::notifyListeners(const ReportOfChanges<>& report) {
    const auto listeners = listeners_;
    for (ListenerBase* l : listeners) {
        if (std::find(listeners_.begin(), listeners_.end(), l) == listeners_.end())
            continue;
        // The transaction has committed; one failing listener must not keep the others
        // from hearing about it.
        try {
            l->onCommit(report);
        } catch (const std::exception& e) {
            std::cerr << "QUILL: a commit listener failed: " << e.what() << '\n';
        }
    }
}

std::shared_ptr<Deviant> Deviant::makeSnapshot(Deviant& live, const ChangeSet& changes) {
    Deviant& root = live.getRootDeviant();
    std::shared_ptr<Deviant> snapshot(
        new Deviant(Kind::Snapshot, &root, &live, root.nextDeviantId_++));
    for (const auto& change : changes.changes()) {
        snapshot->objects_[change.id] = unfrozen(change.before);
    }
    return snapshot;
}

}  // namespace QUILL
