#pragma once

#include "application/Export.h"
#include "quill/ImmutableModel.h"
#include "vtdove/GraphListener.h"
#include "vtquill/VTQuill.h"

namespace Vantor {
class Editor;
}

namespace VantorRenderer {

// The listener an editor keeps on the engine graph of the diagram it shows, so that what
// the engine changes (a parameter set in a block dialog) reaches the editor's block drawings.
// Made by the editor on each diagram set (always on the diagram's root instance) and held by
// shared pointer; replacing or releasing it stops the listening.
//
// It follows the nesting of the engine's change batches; the block render cache, which
// redraws the blocks a batch touched, builds on it. The editor is not owned and outlives the
// listener.
class VANTOR_EXPORT BlockModifyListener : public VTDove::GraphListener {
public:
    BlockModifyListener(const QUILL::ImmutableModel& model,
                        const VTQUILL::ImmutableDiagram& diagram, Vantor::Editor* editor);
    ~BlockModifyListener() override;

    void changeBatchBegin() override;
    void changeBatchEnd() override;

    const QUILL::ImmutableModel& getModel() const { return model; }
    const VTQUILL::ImmutableDiagram& getDiagram() const { return diagram; }
    Vantor::Editor* getEditor() const { return editor; }
    // The nesting depth of engine change batches now open; never below 0.
    int getBatchDepth() const { return batchDepth; }

private:
    QUILL::ImmutableModel model;
    VTQUILL::ImmutableDiagram diagram;
    Vantor::Editor* editor;
    int batchDepth = 0;
};

}  // namespace VantorRenderer
