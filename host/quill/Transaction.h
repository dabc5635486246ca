#pragma once

#include <memory>

#include "quill/ChangeSet.h"
#include "quill/Model.h"

namespace QUILL {

// A scoped transaction on a model instance: begins on construction; commit() ends it and
// delivers the report; leaving the scope without commit (an exception, an early return)
// rolls everything back, so the instance is exactly as before and nobody hears of it.
class Transaction {
public:
    explicit Transaction(const Model& model);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();

    // Commits; returns the change set of an outermost transaction (null for a nested one).
    std::shared_ptr<const ChangeSet> commit();
    void rollback();
    bool isOpen() const { return open_; }

private:
    Model model_;
    bool open_ = true;
};

}  // namespace QUILL
