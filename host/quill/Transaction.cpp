#include "quill/Transaction.h"

namespace QUILL {

Transaction::Transaction(const Model& model) : model_(model) {
    model_.beginTransaction();
}

Transaction::~Transaction() {
    if (open_ && model_.isValid())
        model_.rollbackTransaction();
}

std::shared_ptr<const ChangeSet> Transaction::commit() {
    QUILL_ASSERT(open_, "the transaction has already ended");
    open_ = false;
    return model_.commitTransaction();
}

void Transaction::rollback() {
    QUILL_ASSERT(open_, "the transaction has already ended");
    open_ = false;
    model_.rollbackTransaction();
}

}  // namespace QUILL
