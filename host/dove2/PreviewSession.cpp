#include "dove2/PreviewSession.h"

#include <exception>

#include "dove2/GuardedTransaction.h"
#include "dove2/UndoErrors.h"

namespace DOVE2 {

PreviewSession::PreviewSession(const QUILL::Model& workingCopy) : workingCopy_(workingCopy) {}

PreviewSession::~PreviewSession() {
    try {
        dropPreview();
    } catch (const std::exception&) {
        // A destructor does not throw; a copy whose listeners fail keeps its preview.
    }
}

bool PreviewSession::refuse(const Command& command, PARR::ErrorHolder& errors) const {
    if (!workingCopy_.isValid()) {
        errors.setError(UndoErrors::modelClosed());
    } else if (workingCopy_.isRoot()) {
        errors.setError(UndoErrors::previewOnRoot());
    } else if (command.getModel() != workingCopy_) {
        errors.setError(UndoErrors::commandForOtherModel());
    } else if (workingCopy_.inTransaction()) {
        errors.setError(UndoErrors::transactionOpen());
    } else {
        return false;
    }
    return true;
}

bool PreviewSession::show(Command& command, PARR::ErrorHolder& errors) {
    if (refuse(command, errors))
        return false;
    dropPreview();
    const auto changes = GuardedTransaction::run(
        workingCopy_, [&](PARR::ErrorHolder& stepErrors) { command.execute(stepErrors); }, errors);
    return changes != nullptr;
}

void PreviewSession::dropPreview() {
    if (!workingCopy_.isValid() || workingCopy_.isRoot() || workingCopy_.inTransaction())
        return;
    if (workingCopy_.getDeviant().ownEntryCount() == 0)
        return;
    // Putting back root states cannot fail for a reason a caller could mend; a failing commit
    // hook leaves the preview as it was.
    PARR::ErrorHolder ignored;
    GuardedTransaction::run(
        workingCopy_, [this](PARR::ErrorHolder&) { workingCopy_.syncFromRoot(); }, ignored);
}

bool PreviewSession::hasPreview() const {
    return workingCopy_.isValid() && !workingCopy_.isRoot() &&
           workingCopy_.getDeviant().ownEntryCount() > 0;
}

}  // namespace DOVE2
