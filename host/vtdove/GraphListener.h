#pragma once

#include "vtdove/vtAnnotation.h"
#include "vtdove/vtBlock.h"
#include "vtdove/vtGraph.h"

namespace VTDove {

// The base of listeners on an engine graph. Constructed on a graph it registers itself there
// (after the listeners already registered) and unregisters when destroyed or on unregister();
// it may do so while being told. Every notification does nothing by default.
//
// What is told:
//  - engine edits (setBlockParameter and the like): changeBatchBegin, blockHasChanged for each
//    changed block, changeBatchEnd (after the edits are committed to the model);
//  - a block's look changing with no edit of the model (DisplayedValues): the same batch,
//    with no transaction and no commit;
//  - blocks and annotations added to or destroyed in the graph's diagram by any committed
//    transaction on the model's root (paste, commands, undo, redo): one batch per commit with
//    blockIsAboutToBeDeleted / annotationIsAboutToBeDeleted first, then blockHasBeenAdded /
//    annotationHasBeenAdded and annotationHasChanged. These are told when the commit is
//    delivered, so "about to be deleted" blocks are already gone from the model: read them
//    through the commit's old states if needed.
// The graph handle is not owned; when its model closes the listener is detached (getGraph()
// becomes null).
class GraphListener {
public:
    // A null graph makes a listener that hears nothing.
    explicit GraphListener(vtGraph* graph);
    GraphListener(const GraphListener&) = delete;
    GraphListener& operator=(const GraphListener&) = delete;
    virtual ~GraphListener();

    virtual void blockIsAboutToBeDeleted(vtBlock* block);
    virtual void blockHasBeenAdded(vtBlock* block);
    virtual void annotationIsAboutToBeDeleted(vtAnnotation* annotation);
    virtual void annotationHasBeenAdded(vtAnnotation* annotation);
    virtual void annotationHasChanged(vtAnnotation* annotation);
    virtual void changeBatchBegin();
    virtual void changeBatchEnd();
    virtual void blockHasChanged(vtBlock* block);

    // The graph listened to; null after unregister() or once the graph is gone.
    vtGraph* getGraph() const { return graph_; }
    // Stops listening (idempotent).
    void unregister();

private:
    friend class vtGraph;
    vtGraph* graph_;
};

}  // namespace VTDove
