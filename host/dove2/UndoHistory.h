#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "dove2/Command.h"
#include "dove2/UndoHistoryChanged.h"
#include "parr/ErrorHolder.h"
#include "parr/Holder.h"
#include "quill/ChangeSet.h"
#include "quill/ListenerBase.h"
#include "quill/Model.h"
#include "wren/Emitter.h"

namespace DOVE2 {

// The undo history of one model: the commands processed on its root, each with the change
// set recorded when it ran, a current index (commands before it are done, from it on undone)
// and a clean index (where the model was last saved).
//
// One history per model, shared by every editor of that model (so two tabs cannot undo out
// of order): forModel hands it out. It lives until its model's root closes; then it drops its
// commands, forgets the model and leaves the registry (holders of it keep an empty history).
//
// Every undoable change of the root goes through process. A change committed to the root
// outside the history (an annotation's text edited in place) is not recorded, so it cannot be
// undone: it marks the model as having unsaved changes (markUnsaved) until the next save, and
// undoing or redoing commands across it leaves it in place (Command::handleUndo puts back only
// what each command changed).
//
// All calls happen on the user-interface thread. Not copyable.
class UndoHistory : private QUILL::ListenerBase {
public:
    // The history of the model that `model` belongs to (keyed by its root instance), made on
    // first request. Null when `model` is empty or closed.
    static std::shared_ptr<UndoHistory> forModel(const QUILL::ImmutableModel& model);

    // A history of its own for `model`'s root, outside the registry (editors use forModel).
    explicit UndoHistory(const QUILL::Model& model);
    ~UndoHistory() override;

    // The root instance whose commands are recorded; invalid once the model closed.
    const QUILL::Model& getModel() const { return model_; }

    // Runs the command (handleDo) in an outermost transaction on the root and keeps it:
    // - success: commits (listeners hear one report, none when nothing changed), drops the
    //   redo tail and pushes the command with its change set; observers hear of it. A
    //   command that changed nothing ("Delete" with nothing selected) is pushed too, with its
    //   empty change set: the user sees the action on the undo stack, and undoing or redoing
    //   it changes nothing. It does not make the model dirty (see isClean);
    // - the command set an error or threw: rolled back (the model exactly as before, nothing
    //   reported, nothing recorded) and the error is put in `errors`.
    // Refused with an error, the command not run, when the command is empty, its model is
    // not this history's root, a transaction is open on the root, or the history is busy
    // (asked from a listener while it runs a command, an undo or a redo). Returns true when
    // the command ran and committed.
    bool process(const PARR::Holder<Command>& command, PARR::ErrorHolder& errors);

    // Undoes the command before the current index (handleUndo with its change set) in a new
    // root transaction, so listeners hear of it through the normal report; returns false, and
    // changes nothing, when there is nothing to undo or the undo failed (error in `errors`).
    bool undo(PARR::ErrorHolder& errors);
    // Redoes the command at the current index (handleRedo); the same rules as undo.
    bool redo(PARR::ErrorHolder& errors);

    bool canUndo() const;
    bool canRedo() const;
    // The short description of the command undo or redo would apply ("Move"); empty when
    // there is none.
    std::string undoDescription() const;
    std::string redoDescription() const;
    // Menu texts: "Undo Move" / "Redo Move"; "Undo" / "Redo" when there is nothing to apply
    // or the command has no description.
    std::string undoText() const;
    std::string redoText() const;

    // Marks the current state as saved (the clean index becomes the current index);
    // observers hear of it when the history was dirty.
    void setClean();
    // Marks the model as different from its file with no recorded state that matches the file
    // (a model recovered from work that was never saved): dirty until the next setClean,
    // whatever is undone or redone. Observers hear of it when the history was clean.
    void markUnsaved();
    // True when the model is as it was at the last save (or at the start, before any save):
    // every command between the clean index and the current index changed nothing (none
    // when both are equal). A save whose state was dropped with a redo tail is never reached
    // again (the history is dirty until the next setClean), unless the dropped commands
    // between it and the current index changed nothing: then the current index becomes the
    // clean index. Cost: stops at the first command between the indexes that changed
    // something.
    bool isClean() const;
    bool isDirty() const { return !isClean(); }

    // The number of recorded commands, the current index (0..count) and the clean index (-1
    // when the saved state can no longer be reached). A command that changed nothing counts
    // like any other.
    std::size_t count() const { return entries_.size(); }
    std::size_t index() const { return index_; }
    long cleanIndex() const { return cleanIndex_; }
    // The recorded command at `i` (0..count-1); null when out of range.
    PARR::Holder<Command> command(std::size_t i) const;

    // Observers hear of every change of what the history shows (see UndoHistoryChanged).
    WREN::Emitter<UndoHistoryChanged>& changed() { return changed_; }

private:
    struct Entry {
        PARR::Holder<Command> command;
        std::shared_ptr<const QUILL::ChangeSet> changes;
    };

    bool refuseCommand(const PARR::Holder<Command>& command, PARR::ErrorHolder& errors) const;
    void push(const PARR::Holder<Command>& command,
              std::shared_ptr<const QUILL::ChangeSet> changes);
    bool step(const Entry& entry, bool forward, PARR::ErrorHolder& errors);
    // True when every command in [from, to) (in either order) changed nothing.
    bool changedNothingBetween(std::size_t from, std::size_t to) const;
    void notifyObservers();
    // A commit of the root that is not the history's own (process, undo, redo) and that
    // changed what users see makes the model dirty.
    void onCommit(const QUILL::ReportOfChanges<>& report) override;
    void onDeviantDestroyed(QUILL::Deviant& instance) override;

    QUILL::Model model_;
    std::vector<Entry> entries_;
    std::size_t index_ = 0;
    long cleanIndex_ = 0;
    bool busy_ = false;
    WREN::Emitter<UndoHistoryChanged> changed_;
};

}  // namespace DOVE2
