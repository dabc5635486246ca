#include "renderer/BlockModifyListener.h"

#include "vtdove/EngineHandles.h"

namespace VantorRenderer {

BlockModifyListener::BlockModifyListener(const QUILL::ImmutableModel& model,
                                         const VTQUILL::ImmutableDiagram& diagram,
                                         Vantor::Editor* editor)
    : VTDove::GraphListener(diagram.isValid() ? VTQUILL::getVtGraph(diagram) : nullptr),
      model(model),
      diagram(diagram),
      editor(editor) {}

BlockModifyListener::~BlockModifyListener() = default;

void BlockModifyListener::changeBatchBegin() {
    ++batchDepth;
}

void BlockModifyListener::changeBatchEnd() {
    // A listener made in the middle of a batch hears its end without its beginning.
    if (batchDepth > 0)
        --batchDepth;
}

}  // namespace VantorRenderer
