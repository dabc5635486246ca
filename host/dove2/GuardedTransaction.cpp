#include "dove2/GuardedTransaction.h"

#include <exception>
#include <string>

#include "dove2/UndoErrors.h"

namespace DOVE2 {

namespace {

// Calls `work`; turns an exception into an error in `errors`. Returns false when it threw.
template <class Work>
bool callCatching(Work&& work, PARR::ErrorHolder& errors) {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        errors.setError(UndoErrors::commandThrew(e.what()));
    } catch (...) {
        errors.setError(UndoErrors::commandThrew("unknown exception"));
    }
    return false;
}

// A step may have left transactions of its own open (it threw inside one, or forgot to end
// one), or ended more than it opened. Whatever it opened is rolled back so that only the
// guarded transaction remains; returns false when the depth was not 1.
bool restoreDepth(const QUILL::Model& model) {
    if (!model.isValid())
        return false;
    const bool balanced = model.getDeviant().transactionDepth() == 1;
    while (model.getDeviant().transactionDepth() > 1)
        model.rollbackTransaction();
    return balanced;
}

// Runs the step with a fresh holder; true when it succeeded and left the depth as it was.
bool runStep(const QUILL::Model& model, const GuardedTransaction::Step& step,
             PARR::ErrorHolder& stepErrors) {
    const bool returned = callCatching([&] { step(stepErrors); }, stepErrors);
    const bool balanced = restoreDepth(model);
    if (returned && !balanced && !stepErrors.hasError())
        stepErrors.setError(UndoErrors::unbalancedTransaction());
    return !stepErrors.hasError();
}

}  // namespace

std::shared_ptr<const QUILL::ChangeSet> GuardedTransaction::run(const QUILL::Model& model,
                                                                const Step& step,
                                                                PARR::ErrorHolder& errors) {
    if (!model.isValid()) {
        errors.setError(UndoErrors::modelClosed());
        return nullptr;
    }
    if (model.inTransaction()) {
        errors.setError(UndoErrors::transactionOpen());
        return nullptr;
    }
    PARR::ErrorHolder stepErrors;
    model.beginTransaction();
    if (!runStep(model, step, stepErrors)) {
        if (model.inTransaction())
            model.rollbackTransaction();
        errors.setError(*stepErrors.getError());
        return nullptr;
    }
    std::shared_ptr<const QUILL::ChangeSet> changes;
    // A commit hook that throws has the repository roll the transaction back.
    if (!callCatching([&] { changes = model.commitTransaction(); }, stepErrors)) {
        errors.setError(*stepErrors.getError());
        return nullptr;
    }
    return changes;
}

}  // namespace DOVE2
