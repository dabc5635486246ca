#pragma once

#include "quill/ImmutableModel.h"
#include "vtdove/vtAnnotation.h"
#include "vtdove/vtBlock.h"
#include "vtdove/vtGraph.h"
#include "vtdove/vtSegment.h"
#include "vtquill/VTQuill.h"

// The engine's handles of model objects. A handle is the same pointer for an object in every
// instance of its model (root or working copy), stays valid while the model is open (also
// while the object is deleted, so that an undo gives it back), and is released when the model
// closes. An invalid (empty or stale) model handle gives null.
namespace VTQUILL {

vtBlock* getVtBlock(const ImmutableBlock& block);
vtGraph* getVtGraph(const ImmutableDiagram& diagram);
vtSegment* getVtSegment(const ImmutableSegment& segment);
vtAnnotation* getVtAnnotation(const ImmutableAnnotation& annotation);

// The block of an engine handle, bound to `model` (any instance of the block's model); an
// empty handle for null. The result tests invalid when the block does not exist in `model`.
Block getQUILLBlock(const vtBlock* block, const QUILL::ImmutableModel& model);
// The same from a numeric engine handle (getHandle); an empty handle when no open model has
// a block with that number.
Block getQUILLBlock(double handle, const QUILL::ImmutableModel& model);
// The block's numeric engine handle: positive, unique per block, stable for the block's life;
// 0 for an invalid block.
double getHandle(const ImmutableBlock& block);

}  // namespace VTQUILL
