#pragma once

#include <string>

#include "parr/MCFErrorDescription.h"

namespace DOVE2 {

// The errors the command machinery reports to its callers (identifier, code, arguments and
// the source that raises them). Plain factories; each returns a new description.
class UndoErrors {
public:
    UndoErrors() = delete;

    // "DOVE2_CommandThrew(<what>)": a command, undo, redo or preview threw; it was rolled back.
    static PARR::MCFErrorDescription commandThrew(const std::string& what);
    // "DOVE2_ModelClosed": the model instance to work on is empty or closed.
    static PARR::MCFErrorDescription modelClosed();
    // "DOVE2_TransactionOpen": a transaction is already open on the instance.
    static PARR::MCFErrorDescription transactionOpen();
    // "DOVE2_UnbalancedTransaction": a step left a transaction of its own open.
    static PARR::MCFErrorDescription unbalancedTransaction();
    // "DOVE2_NoCommand": an empty command was handed in.
    static PARR::MCFErrorDescription noCommand();
    // "DOVE2_CommandForOtherModel": the command's model is not the instance it is run on.
    static PARR::MCFErrorDescription commandForOtherModel();
    // "DOVE2_UndoHistoryBusy": the history was asked to run a command while running one
    // (from a listener of its own commit).
    static PARR::MCFErrorDescription historyBusy();
    // "DOVE2_PreviewOnRoot": a preview was asked for on a root model instead of a working copy.
    static PARR::MCFErrorDescription previewOnRoot();
};

}  // namespace DOVE2
