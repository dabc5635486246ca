#include "vtdove/EngineModel.h"

#include <vector>

#include "vtdove/EngineRegistry.h"
#include "vtdove/GraphListener.h"
#include "vtdove/SystemNames.h"
#include "vtquill/Schema.h"

namespace VTDove {

// What one commit did to the blocks and annotations of one graph's diagram.
struct EngineModel::GraphChanges {
    std::vector<QUILL::ObjectId> deletedBlocks;
    std::vector<QUILL::ObjectId> deletedAnnotations;
    std::vector<QUILL::ObjectId> addedBlocks;
    std::vector<QUILL::ObjectId> addedAnnotations;
    std::vector<QUILL::ObjectId> changedAnnotations;
};

namespace {

template <class H, class... Args>
H* findOrMake(std::unordered_map<QUILL::ObjectId, std::unique_ptr<H>>& map, QUILL::ObjectId id,
              Args&&... args) {
    auto& slot = map[id];
    if (!slot)
        slot = std::make_unique<H>(std::forward<Args>(args)...);
    return slot.get();
}

bool isKind(const QUILL::StatePtr& state, const QUILL::Type& type) {
    return state && state->type->isKindOf(type);
}

}  // namespace

EngineModel::EngineModel(QUILL::Deviant& root) : root_(&root) {
    root.registerModifierOnCommit(this);
}

EngineModel::~EngineModel() = default;

vtBlock* EngineModel::block(QUILL::ObjectId id) {
    auto& slot = blocks_[id];
    if (!slot) {
        const double handle = EngineRegistry::instance().allocateBlockHandle();
        slot = std::make_unique<vtBlock>(*root_, id, handle);
        EngineRegistry::instance().registerBlockHandle(slot.get());
    }
    return slot.get();
}

vtGraph* EngineModel::graph(QUILL::ObjectId id) {
    return findOrMake(graphs_, id, *root_, id);
}

vtSegment* EngineModel::segment(QUILL::ObjectId id) {
    return findOrMake(segments_, id, *root_, id);
}

vtAnnotation* EngineModel::annotation(QUILL::ObjectId id) {
    return findOrMake(annotations_, id, *root_, id);
}

vtGraph* EngineModel::findGraph(QUILL::ObjectId diagram) const {
    const auto it = graphs_.find(diagram);
    return it == graphs_.end() ? nullptr : it->second.get();
}

void EngineModel::onCommit(const QUILL::ReportOfChanges<>& report) {
    const VTQUILL::Schema& schema = VTQUILL::Schema::get();
    // Graphs in the order their first change appears, so delivery is repeatable.
    std::vector<std::pair<vtGraph*, GraphChanges>> byGraph;
    auto changesOf = [&](QUILL::ObjectId diagram) -> GraphChanges* {
        vtGraph* g = findGraph(diagram);
        if (!g || !g->hasListeners())
            return nullptr;
        for (auto& [graph, changes] : byGraph) {
            if (graph == g)
                return &changes;
        }
        return &byGraph.emplace_back(g, GraphChanges()).second;
    };
    for (const auto& change : report.getChangeSet().changes()) {
        if (change.isDeletion()) {
            GraphChanges* c = changesOf(change.before->container);
            if (c && isKind(change.before, schema.block))
                c->deletedBlocks.push_back(change.id);
            else if (c && isKind(change.before, schema.annotation))
                c->deletedAnnotations.push_back(change.id);
        } else if (change.isCreation()) {
            GraphChanges* c = changesOf(change.after->container);
            if (c && isKind(change.after, schema.block))
                c->addedBlocks.push_back(change.id);
            else if (c && isKind(change.after, schema.annotation))
                c->addedAnnotations.push_back(change.id);
        } else if (change.isModification() && isKind(change.after, schema.annotation)) {
            if (GraphChanges* c = changesOf(change.after->container))
                c->changedAnnotations.push_back(change.id);
        }
    }
    for (auto& [graph, changes] : byGraph)
        tellGraph(*graph, changes);
}

void EngineModel::tellGraph(vtGraph& graph, const GraphChanges& c) {
    graph.notify([](GraphListener& l) { l.changeBatchBegin(); });
    for (QUILL::ObjectId id : c.deletedBlocks) {
        vtBlock* b = block(id);
        graph.notify([b](GraphListener& l) { l.blockIsAboutToBeDeleted(b); });
    }
    for (QUILL::ObjectId id : c.deletedAnnotations) {
        vtAnnotation* a = annotation(id);
        graph.notify([a](GraphListener& l) { l.annotationIsAboutToBeDeleted(a); });
    }
    for (QUILL::ObjectId id : c.addedBlocks) {
        vtBlock* b = block(id);
        graph.notify([b](GraphListener& l) { l.blockHasBeenAdded(b); });
    }
    for (QUILL::ObjectId id : c.addedAnnotations) {
        vtAnnotation* a = annotation(id);
        graph.notify([a](GraphListener& l) { l.annotationHasBeenAdded(a); });
    }
    for (QUILL::ObjectId id : c.changedAnnotations) {
        vtAnnotation* a = annotation(id);
        graph.notify([a](GraphListener& l) { l.annotationHasChanged(a); });
    }
    graph.notify([](GraphListener& l) { l.changeBatchEnd(); });
}

void EngineModel::onDeviantDestroyed(QUILL::Deviant& instance) {
    SystemNames::markClosing(instance);
}

}  // namespace VTDove
