#include "vtdove/EngineTransaction.h"

#include "quill/Exception.h"
#include "vtdove/EngineHandles.h"
#include "vtdove/GraphListener.h"

namespace VTDove {

void beginTransaction(vtGraph* graph) {
    if (graph)
        graph->openTransaction();
}

std::shared_ptr<const QUILL::ChangeSet> commitTransaction(vtGraph* graph) {
    return graph ? graph->commitTransaction() : nullptr;
}

void rollbackTransaction(vtGraph* graph) {
    if (graph)
        graph->abortTransaction();
}

std::shared_ptr<const QUILL::ChangeSet> setBlockParameter(const VTQUILL::ImmutableBlock& block,
                                                          const std::string& name,
                                                          const std::string& value) {
    if (!block.isValid())
        QUILL::throwNullRef();
    const VTQUILL::Block root(block.getRootDeviant());
    vtGraph* graph = VTQUILL::getVtGraph(root.getDiagram());
    vtBlock* engineBlock = VTQUILL::getVtBlock(root);
    QUILL_ASSERT(graph, "a block edited by the engine lies in a diagram");
    const bool own = graph->transactionDepth() == 0;
    graph->openTransaction();
    try {
        graph->beginEdit();
        root.setParameter(name, value);
        graph->notify([engineBlock](GraphListener& l) { l.blockHasChanged(engineBlock); });
    } catch (...) {
        graph->abortTransaction();
        throw;
    }
    auto changes = graph->commitTransaction();
    return own ? changes : nullptr;
}

}  // namespace VTDove
