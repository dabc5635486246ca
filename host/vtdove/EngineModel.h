#pragma once

#include <memory>
#include <unordered_map>

#include "quill/ListenerBase.h"
#include "quill/ReportOfChanges.h"
#include "vtdove/vtAnnotation.h"
#include "vtdove/vtBlock.h"
#include "vtdove/vtGraph.h"
#include "vtdove/vtSegment.h"

namespace VTDove {

// The engine's side of one open model: the engine handles made for its objects (by object
// identity, made on first request, kept until the model closes) and the listener on the
// model's root that turns committed additions and deletions of blocks and annotations into
// notifications of the graphs' listeners (see GraphListener). Owned by the EngineRegistry.
class EngineModel : public QUILL::ListenerBase {
public:
    // Registers on `root` for its commits and its closing.
    explicit EngineModel(QUILL::Deviant& root);
    ~EngineModel() override;

    QUILL::Deviant& getRootDeviant() const { return *root_; }

    // The handle of the object, made on the first request.
    vtBlock* block(QUILL::ObjectId id);
    vtGraph* graph(QUILL::ObjectId id);
    vtSegment* segment(QUILL::ObjectId id);
    vtAnnotation* annotation(QUILL::ObjectId id);
    // The graph handle of a diagram if one was made; null otherwise.
    vtGraph* findGraph(QUILL::ObjectId diagram) const;
    // Calls f(vtBlock&) for every block handle made.
    template <class F>
    void forEachBlock(F f) const {
        for (const auto& [id, b] : blocks_)
            f(*b);
    }

    void onCommit(const QUILL::ReportOfChanges<>& report) override;
    void onDeviantDestroyed(QUILL::Deviant& instance) override;

private:
    struct GraphChanges;
    void tellGraph(vtGraph& graph, const GraphChanges& changes);

    QUILL::Deviant* root_;
    std::unordered_map<QUILL::ObjectId, std::unique_ptr<vtBlock>> blocks_;
    std::unordered_map<QUILL::ObjectId, std::unique_ptr<vtGraph>> graphs_;
    std::unordered_map<QUILL::ObjectId, std::unique_ptr<vtSegment>> segments_;
    std::unordered_map<QUILL::ObjectId, std::unique_ptr<vtAnnotation>> annotations_;
};

}  // namespace VTDove
