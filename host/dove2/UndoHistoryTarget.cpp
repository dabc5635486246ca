#include "dove2/UndoHistoryTarget.h"

#include <utility>

#include "dove2/PreviewSession.h"
#include "dove2/UndoErrors.h"
#include "tessel/Diagnostics.h"

namespace DOVE2 {

UndoHistoryTarget::UndoHistoryTarget(std::shared_ptr<UndoHistory> history,
                                     const QUILL::Model& viewInstance)
    : history_(std::move(history)), viewInstance_(viewInstance) {}

UndoHistoryTarget::~UndoHistoryTarget() = default;

bool UndoHistoryTarget::processCommand(const PARR::Holder<Command>& command,
                                       PARR::ErrorHolder& errors) {
    if (!history_) {
        errors.setError(UndoErrors::modelClosed());
        return false;
    }
    dropPreviews();
    return history_->process(command, errors);
}

void UndoHistoryTarget::dropPreviews() {
    if (viewInstance_.isValid() && !viewInstance_.isRoot())
        PreviewSession(viewInstance_).dropPreview();
}

bool UndoHistoryTarget::isDirty() const {
    return history_ && history_->isDirty();
}

bool UndoHistoryTarget::canUndo() const {
    return history_ && history_->canUndo();
}

bool UndoHistoryTarget::canRedo() const {
    return history_ && history_->canRedo();
}

void UndoHistoryTarget::undo() {
    if (!canUndo())
        return;
    const std::string what = "Undo " + undoText();
    dropPreviews();
    PARR::ErrorHolder errors;
    if (!history_->undo(errors))
        reportFailure(what, errors);
}

void UndoHistoryTarget::redo() {
    if (!canRedo())
        return;
    const std::string what = "Redo " + redoText();
    dropPreviews();
    PARR::ErrorHolder errors;
    if (!history_->redo(errors))
        reportFailure(what, errors);
}

std::string UndoHistoryTarget::undoText() const {
    return history_ ? history_->undoDescription() : std::string();
}

std::string UndoHistoryTarget::redoText() const {
    return history_ ? history_->redoDescription() : std::string();
}

void UndoHistoryTarget::reportFailure(const std::string& what,
                                      const PARR::ErrorHolder& errors) const {
    if (reporter_)
        reporter_(what, errors);
    else
        TESSEL::Diagnostics::print(what + " failed: " + errors.message() + "\n");
}

}  // namespace DOVE2
