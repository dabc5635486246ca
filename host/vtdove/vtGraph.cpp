#include "vtdove/vtGraph.h"

#include "quill/Exception.h"
#include "vtdove/GraphListener.h"

namespace VTDove {

vtGraph::~vtGraph() {
    for (GraphListener* l : listeners_)
        l->graph_ = nullptr;
}

VTQUILL::Diagram vtGraph::getDiagram() const {
    return VTQUILL::Diagram(QUILL::ImmutableClassObject(&getRootDeviant(), getObjectId()));
}

void vtGraph::addListener(GraphListener* listener) {
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void vtGraph::removeListener(GraphListener* listener) {
    std::erase(listeners_, listener);
}

void vtGraph::openTransaction() {
    ++depth_;
}

void vtGraph::beginEdit() {
    QUILL_ASSERT(depth_ > 0, "an engine edit needs an open engine transaction");
    if (!editing_) {
        getRootDeviant().beginTransaction();
        editing_ = true;
    }
    if (!batchOpen_) {
        batchOpen_ = true;
        notify([](GraphListener& l) { l.changeBatchBegin(); });
    }
}

std::shared_ptr<const QUILL::ChangeSet> vtGraph::commitTransaction() {
    QUILL_ASSERT(depth_ > 0, "commitTransaction without beginTransaction");
    if (--depth_ > 0)
        return nullptr;
    std::shared_ptr<const QUILL::ChangeSet> changes;
    if (editing_) {
        editing_ = false;
        changes = getRootDeviant().commitTransaction();
    }
    endBatch();
    return changes;
}

void vtGraph::abortTransaction() {
    QUILL_ASSERT(depth_ > 0, "abortTransaction without beginTransaction");
    if (--depth_ > 0)
        return;
    if (editing_) {
        editing_ = false;
        getRootDeviant().rollbackTransaction();
    }
    endBatch();
}

void vtGraph::endBatch() {
    if (!batchOpen_)
        return;
    batchOpen_ = false;
    notify([](GraphListener& l) { l.changeBatchEnd(); });
}

}  // namespace VTDove
