#include "vtdove/EngineHandles.h"

#include "vtdove/EngineRegistry.h"

namespace VTQUILL {

using VTDove::EngineModel;
using VTDove::EngineRegistry;

vtBlock* getVtBlock(const ImmutableBlock& block) {
    EngineModel* m = EngineRegistry::instance().modelOf(block);
    return m ? m->block(block.getObjectId()) : nullptr;
}

vtGraph* getVtGraph(const ImmutableDiagram& diagram) {
    EngineModel* m = EngineRegistry::instance().modelOf(diagram);
    return m ? m->graph(diagram.getObjectId()) : nullptr;
}

vtSegment* getVtSegment(const ImmutableSegment& segment) {
    EngineModel* m = EngineRegistry::instance().modelOf(segment);
    return m ? m->segment(segment.getObjectId()) : nullptr;
}

vtAnnotation* getVtAnnotation(const ImmutableAnnotation& annotation) {
    EngineModel* m = EngineRegistry::instance().modelOf(annotation);
    return m ? m->annotation(annotation.getObjectId()) : nullptr;
}

Block getQUILLBlock(const vtBlock* block, const QUILL::ImmutableModel& model) {
    if (!block || !model.getDeviantPtr())
        return Block();
    return Block(QUILL::ImmutableClassObject(model.getDeviantPtr(), block->getObjectId()));
}

Block getQUILLBlock(double handle, const QUILL::ImmutableModel& model) {
    return getQUILLBlock(EngineRegistry::instance().blockByHandle(handle), model);
}

double getHandle(const ImmutableBlock& block) {
    const vtBlock* b = getVtBlock(block);
    return b ? b->getHandle() : 0;
}

}  // namespace VTQUILL

namespace VTQUILL::detail {

double engineHandleOf(const ImmutableBlock& block) {
    return VTQUILL::getHandle(block);
}

}  // namespace VTQUILL::detail
