#pragma once

#include <functional>
#include <memory>
#include <string>

#include "dove2/Command.h"
#include "dove2/UndoHistory.h"
#include "parr/ErrorHolder.h"
#include "parr/Holder.h"
#include "parr/UndoRedoCommandTarget.h"
#include "quill/Model.h"

namespace DOVE2 {

// What an editor is to the Edit menu: the undo/redo target over its model's shared
// UndoHistory, and the place where its commands are processed.
//
// Before each command, undo and redo it drops the previews in the editor's view instance
// (syncFromRoot in a committed transaction on that working copy), so the view shows the root
// again and then follows the root's report.
//
// The history is shared (every editor of a model holds the same one); the view instance is
// not owned and may be empty (no previews to drop).
class UndoHistoryTarget : public PARR::UndoRedoCommandTarget {
public:
    // `history` may be null (a target of nothing: no undo, never dirty, commands refused).
    explicit UndoHistoryTarget(std::shared_ptr<UndoHistory> history,
                               const QUILL::Model& viewInstance = QUILL::Model());
    ~UndoHistoryTarget() override;

    // Drops the previews, then has the history run and record the command (see
    // UndoHistory::process). Returns true when the command ran and committed.
    bool processCommand(const PARR::Holder<Command>& command, PARR::ErrorHolder& errors);
    // Makes the view instance show the root again; nothing without a view instance.
    void dropPreviews();

    const std::shared_ptr<UndoHistory>& getHistory() const { return history_; }
    const QUILL::Model& getViewInstance() const { return viewInstance_; }

    // Unsaved changes: the history is not at its clean index.
    bool isDirty() const override;
    bool canUndo() const override;
    bool canRedo() const override;
    // Undo and redo drop the previews first. A failure is printed as a diagnostic and leaves
    // the model and the history as they were.
    void undo() override;
    void redo() override;
    // Told of an undo or redo that failed, with what was tried ("Undo Move") and the error;
    // without one the failure is printed as a diagnostic.
    using FailureReporter = std::function<void(const std::string&, const PARR::ErrorHolder&)>;
    void setFailureReporter(FailureReporter reporter) { reporter_ = std::move(reporter); }
    // The short description of the command undo or redo would apply ("Move"); empty when
    // there is none. (The menu texts "Undo Move" come from UndoHistory::undoText.)
    std::string undoText() const override;
    std::string redoText() const override;

private:
    std::shared_ptr<UndoHistory> history_;
    void reportFailure(const std::string& what, const PARR::ErrorHolder& errors) const;

    QUILL::Model viewInstance_;
    FailureReporter reporter_;
};

}  // namespace DOVE2
