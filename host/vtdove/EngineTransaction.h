#pragma once

#include <memory>
#include <string>

#include "quill/ChangeSet.h"
#include "vtdove/vtGraph.h"
#include "vtquill/VTQuill.h"

namespace VTDove {

// Engine transactions bracket engine-level edits of one graph (see vtGraph): nested calls
// count, edits made inside go into one QUILL transaction on the model's root and one change
// batch. commitTransaction returns the change set of the outermost transaction (null for a
// nested one, for one without edits, or when the root was already in a transaction of its
// caller, which then holds the edits). A null graph is ignored (commit returns null).
void beginTransaction(vtGraph* graph);
std::shared_ptr<const QUILL::ChangeSet> commitTransaction(vtGraph* graph);
// Ends the innermost engine transaction, discarding the edits of an outermost one.
void rollbackTransaction(vtGraph* graph);

// Sets one block parameter as an engine edit: inside an engine transaction on the block's
// graph (its own when none is open): changeBatchBegin, the change in the root instance,
// blockHasChanged, changeBatchEnd. Returns the change set (for the undo history) when it ran
// its own transaction, else null. Setting the value the parameter already has changes nothing
// in the model but still tells blockHasChanged. An invalid block is a caller error (throws the
// repository's null-reference exception) and changes nothing.
std::shared_ptr<const QUILL::ChangeSet> setBlockParameter(const VTQUILL::ImmutableBlock& block,
                                                          const std::string& name,
                                                          const std::string& value);

}  // namespace VTDove
