#include "vtdove/GraphListener.h"

namespace VTDove {

GraphListener::GraphListener(vtGraph* graph) : graph_(graph) {
    if (graph_)
        graph_->addListener(this);
}

GraphListener::~GraphListener() {
    unregister();
}

void GraphListener::unregister() {
    if (graph_)
        graph_->removeListener(this);
    graph_ = nullptr;
}

void GraphListener::blockIsAboutToBeDeleted(vtBlock*) {}
void GraphListener::blockHasBeenAdded(vtBlock*) {}
void GraphListener::annotationIsAboutToBeDeleted(vtAnnotation*) {}
void GraphListener::annotationHasBeenAdded(vtAnnotation*) {}
void GraphListener::annotationHasChanged(vtAnnotation*) {}
void GraphListener::changeBatchBegin() {}
void GraphListener::changeBatchEnd() {}
void GraphListener::blockHasChanged(vtBlock*) {}

}  // namespace VTDove
