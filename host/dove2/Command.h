#pragma once

#include <string>

#include "parr/ErrorHolder.h"
#include "parr/ReferencedTemplate.h"
#include "quill/ChangeSet.h"
#include "quill/Model.h"

namespace DOVE2 {

// One undoable change of a model: the base of every command a tool or a glyph hands to an
// editor. A command is built with the model instance it works on (its model: the root model
// for a command that is processed and recorded, a working copy for a live preview) and the
// handles and values it needs; it does its work in `execute`, never in its constructor, and
// is not changed after it ran.
//
// Who runs it: UndoHistory::process calls handleDo inside a transaction on the command's
// model and records the change set of that transaction; undo and redo call handleUndo and
// handleRedo with that change set inside a transaction of their own. A command that reports
// an error in its holder or throws is rolled back by whoever opened the transaction.
//
// Ownership: reference counted (PARR::Holder<Command>); the count starts at 0, so a command
// made with new belongs to its maker until a Holder takes it. A command run directly (a
// preview) may also live on the stack. Not copyable.
class Command : public PARR::ReferencedTemplate<unsigned int> {
public:
    explicit Command(const QUILL::Model& model);
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;
    ~Command() override;

    // The model instance the command changes, as given at construction. Handles the command
    // holds must be re-bound to it (asDeviant) before they are changed.
    const QUILL::Model& getModel() const { return model_; }

    // Makes the change on getModel(), inside a transaction the caller opened. Errors for the
    // caller go to `errors`; a command that sets one (or throws) is rolled back.
    virtual void execute(PARR::ErrorHolder& errors) = 0;
    // The undo text of the command ("Move", "Rename Block"): what the Edit menu shows after
    // "Undo " and "Redo ".
    virtual std::string shortDescription() const = 0;

    // The first run, inside the transaction that records the command. Default: execute.
    virtual void handleDo(PARR::ErrorHolder& errors);
    // Puts back what the command changed, inside a transaction on getModel(). `recorded` is
    // the change set recorded when the command ran. Default: applies it backwards, taking
    // from it only what the command changed (CommandChangeMerger), so a change made outside
    // the command since then stays; with none, every touched object is restored exactly.
    virtual void handleUndo(const QUILL::ChangeSet& recorded, PARR::ErrorHolder& errors);
    // Makes the change again after an undo. Default: applies `recorded` forwards, the same
    // way.
    virtual void handleRedo(const QUILL::ChangeSet& recorded, PARR::ErrorHolder& errors);
    // Whether the command may be undone (and redone) once it ran. Default: true. A command
    // that cannot be undone stops the history's undo before it.
    virtual bool canUndo() const;
    virtual bool canRedo() const;

private:
    void applyRecorded(const QUILL::ChangeSet& recorded, QUILL::Deviant::Direction direction) const;

    QUILL::Model model_;
};

}  // namespace DOVE2
