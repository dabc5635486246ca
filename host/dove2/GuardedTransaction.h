#pragma once

#include <functional>
#include <memory>

#include "parr/ErrorHolder.h"
#include "quill/ChangeSet.h"
#include "quill/Model.h"

namespace DOVE2 {

// Runs one step of work (a command's do, undo or redo, a preview) in an outermost
// transaction on a model instance, and keeps its changes only when the step succeeds.
//
// Success: the step set no error and threw nothing, and the commit went through; the
// listeners of the instance hear one report (none when nothing changed). Failure: the step
// set an error in the holder it was given, or threw, or a commit hook threw; the transaction
// is rolled back, so the instance is exactly as before and nobody hears of it. Listeners must
// not throw: a throw from a listener is reported as a failure although the commit stands.
class GuardedTransaction {
public:
    using Step = std::function<void(PARR::ErrorHolder& errors)>;

    GuardedTransaction() = delete;

    // Runs `step` with a fresh error holder. Returns the committed change set (possibly
    // empty), or null on failure, with the step's error (or one naming the exception) put in
    // `errors`; `errors` is left alone on success. Refused with an error, and the step not
    // run, when the instance is invalid or a transaction is already open on it (its changes
    // could not be recorded apart from the enclosing ones).
    static std::shared_ptr<const QUILL::ChangeSet> run(const QUILL::Model& model, const Step& step,
                                                       PARR::ErrorHolder& errors);
};

}  // namespace DOVE2
