#include "dove2/UndoHistory.h"

#include <unordered_map>
#include <utility>

#include "dove2/GuardedTransaction.h"
#include "dove2/UndoErrors.h"
#include "quill/ReportOfChanges.h"

namespace DOVE2 {

namespace {

// The history of each open model, keyed by its root instance. Roots stay allocated for the
// life of the process, so a key is never reused; an entry leaves when its root closes. The
// table itself is never destroyed, so no history outlives the repository at exit.
std::unordered_map<const QUILL::Deviant*, std::shared_ptr<UndoHistory>>& registry() {
    static auto* histories =
        new std::unordered_map<const QUILL::Deviant*, std::shared_ptr<UndoHistory>>;
    return *histories;
}

// Sets a flag for the lifetime of a scope.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
};

std::string menuText(const char* verb, const std::string& description) {
    return description.empty() ? verb : std::string(verb) + " " + description;
}

}  // namespace

std::shared_ptr<UndoHistory> UndoHistory::forModel(const QUILL::ImmutableModel& model) {
    if (!model.isValid())
        return nullptr;
    QUILL::Deviant& root = model.getDeviant().getRootDeviant();
    std::shared_ptr<UndoHistory>& slot = registry()[&root];
    if (!slot)
        slot = std::make_shared<UndoHistory>(QUILL::Model(&root));
    return slot;
}

UndoHistory::UndoHistory(const QUILL::Model& model) {
    if (!model.isValid())
        return;
    model_ = model.getRootDeviant();
    model_.registerModifierOnCommit(this);
}

UndoHistory::~UndoHistory() = default;

bool UndoHistory::refuseCommand(const PARR::Holder<Command>& command,
                                PARR::ErrorHolder& errors) const {
    if (busy_) {
        errors.setError(UndoErrors::historyBusy());
    } else if (!command) {
        errors.setError(UndoErrors::noCommand());
    } else if (!model_.isValid()) {
        errors.setError(UndoErrors::modelClosed());
    } else if (command->getModel() != model_) {
        errors.setError(UndoErrors::commandForOtherModel());
    } else {
        return false;
    }
    return true;
}

bool UndoHistory::process(const PARR::Holder<Command>& command, PARR::ErrorHolder& errors) {
    if (refuseCommand(command, errors))
        return false;
    std::shared_ptr<const QUILL::ChangeSet> changes;
    {
        BusyScope busy(busy_);
        changes = GuardedTransaction::run(
            model_, [&](PARR::ErrorHolder& stepErrors) { command->handleDo(stepErrors); }, errors);
    }
    if (!changes)
        return false;
    push(command, std::move(changes));
    return true;
}

void UndoHistory::push(const PARR::Holder<Command>& command,
                       std::shared_ptr<const QUILL::ChangeSet> changes) {
    // A save inside the tail is lost with it, unless the model there was as it is now.
    if (cleanIndex_ > static_cast<long>(index_)) {
        const bool sameState = changedNothingBetween(index_, static_cast<std::size_t>(cleanIndex_));
        cleanIndex_ = sameState ? static_cast<long>(index_) : -1;
    }
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index_), entries_.end());
    entries_.push_back({command, std::move(changes)});
    ++index_;
    notifyObservers();
}

bool UndoHistory::undo(PARR::ErrorHolder& errors) {
    if (!canUndo())
        return false;
    if (!step(entries_[index_ - 1], false, errors))
        return false;
    --index_;
    notifyObservers();
    return true;
}

bool UndoHistory::redo(PARR::ErrorHolder& errors) {
    if (!canRedo())
        return false;
    if (!step(entries_[index_], true, errors))
        return false;
    ++index_;
    notifyObservers();
    return true;
}

bool UndoHistory::step(const Entry& entry, bool forward, PARR::ErrorHolder& errors) {
    if (busy_) {
        errors.setError(UndoErrors::historyBusy());
        return false;
    }
    // The entry is held here: a listener may not drop it, but the vector may move.
    const Entry held = entry;
    BusyScope busy(busy_);
    const auto changes = GuardedTransaction::run(
        model_,
        [&](PARR::ErrorHolder& stepErrors) {
            if (forward) {
                held.command->handleRedo(*held.changes, stepErrors);
            } else {
                held.command->handleUndo(*held.changes, stepErrors);
            }
        },
        errors);
    return changes != nullptr;
}

bool UndoHistory::canUndo() const {
    return model_.isValid() && index_ > 0 && entries_[index_ - 1].command->canUndo();
}

bool UndoHistory::canRedo() const {
    return model_.isValid() && index_ < entries_.size() && entries_[index_].command->canRedo();
}

std::string UndoHistory::undoDescription() const {
    return canUndo() ? entries_[index_ - 1].command->shortDescription() : std::string();
}

std::string UndoHistory::redoDescription() const {
    return canRedo() ? entries_[index_].command->shortDescription() : std::string();
}

std::string UndoHistory::undoText() const {
    return menuText("Undo", undoDescription());
}

std::string UndoHistory::redoText() const {
    return menuText("Redo", redoDescription());
}

void UndoHistory::setClean() {
    const bool wasClean = isClean();
    cleanIndex_ = static_cast<long>(index_);
    if (!wasClean)
        notifyObservers();
}

void UndoHistory::markUnsaved() {
    const bool wasClean = isClean();
    cleanIndex_ = -1;
    if (wasClean)
        notifyObservers();
}

bool UndoHistory::isClean() const {
    return cleanIndex_ >= 0 && changedNothingBetween(static_cast<std::size_t>(cleanIndex_), index_);
}

bool UndoHistory::changedNothingBetween(std::size_t from, std::size_t to) const {
    if (from > to)
        std::swap(from, to);
    for (std::size_t i = from; i < to; ++i) {
        if (!entries_[i].changes->empty())
            return false;
    }
    return true;
}

PARR::Holder<Command> UndoHistory::command(std::size_t i) const {
    return i < entries_.size() ? entries_[i].command : PARR::Holder<Command>();
}

void UndoHistory::notifyObservers() {
    UndoHistoryChanged state;
    state.canUndo = canUndo();
    state.canRedo = canRedo();
    state.dirty = isDirty();
    state.undoText = undoText();
    state.redoText = redoText();
    changed_.emit(state);
}

void UndoHistory::onCommit(const QUILL::ReportOfChanges<>& report) {
    if (busy_ || report.empty())
        return;
    markUnsaved();
}

void UndoHistory::onDeviantDestroyed(QUILL::Deviant& instance) {
    // Leaving the registry may drop the last owner of this history: keep it alive until the
    // observers have heard of the change.
    std::shared_ptr<UndoHistory> keepAlive;
    auto found = registry().find(&instance);
    if (found != registry().end() && found->second.get() == this) {
        keepAlive = std::move(found->second);
        registry().erase(found);
    }
    entries_.clear();
    index_ = 0;
    cleanIndex_ = 0;
    model_ = QUILL::Model();
    notifyObservers();
}

}  // namespace DOVE2
