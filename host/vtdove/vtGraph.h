#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "quill/ChangeSet.h"
#include "vtdove/EngineHandle.h"
#include "vtquill/VTQuill.h"

namespace VTDove {

class GraphListener;

// The engine's handle of a diagram (an engine graph): it keeps the graph's listeners and the
// state of the engine transaction open on the graph.
//
// Engine transactions nest (beginTransaction/commitTransaction count). The first engine edit
// inside the outermost one opens a QUILL transaction on the model's root and a change batch
// (changeBatchBegin to the listeners); committing the outermost one commits that QUILL
// transaction and then ends the batch (changeBatchEnd). A transaction without edits changes
// nothing and tells nobody.
class vtGraph : public EngineHandle {
public:
    using EngineHandle::EngineHandle;
    // Listeners still registered stop listening (their graph becomes null).
    ~vtGraph() override;

    // The diagram in the root instance (tests invalid once the diagram is gone).
    VTQUILL::Diagram getDiagram() const;

    // --- Listeners (not owned) -------------------------------------------------------------
    void addListener(GraphListener* listener);
    void removeListener(GraphListener* listener);
    bool hasListeners() const { return !listeners_.empty(); }
    // Calls `tell(listener)` for each listener in registration order. A listener removed
    // during the delivery is not told afterwards; one added during it hears from the next.
    template <class F>
    void notify(F tell) {
        const std::vector<GraphListener*> snapshot = listeners_;
        for (GraphListener* l : snapshot) {
            if (std::find(listeners_.begin(), listeners_.end(), l) != listeners_.end())
                tell(*l);
        }
    }

    // --- Engine transaction ----------------------------------------------------------------
    void openTransaction();
    // Ends the innermost engine transaction. The outermost returns the change set of its
    // QUILL transaction (null when it made no edit, or when the root was already inside a
    // transaction that now holds the edits).
    std::shared_ptr<const QUILL::ChangeSet> commitTransaction();
    // Ends the innermost engine transaction; the outermost rolls its edits back (the batch
    // still ends, so listeners are not left waiting).
    void abortTransaction();
    int transactionDepth() const { return depth_; }
    // Called before each engine edit: opens the QUILL transaction and the change batch when
    // this is the first edit of the outermost engine transaction. Needs an open transaction.
    void beginEdit();

private:
    void endBatch();

    std::vector<GraphListener*> listeners_;
    int depth_ = 0;
    bool editing_ = false;  // a QUILL transaction is open for this engine transaction
    bool batchOpen_ = false;
};

}  // namespace VTDove

using VTDove::vtGraph;
