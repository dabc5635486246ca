#include "vtdove/DisplayedValues.h"

#include <algorithm>
#include <utility>

#include "vtdove/EngineHandles.h"
#include "vtdove/GraphListener.h"

namespace VTDove {

namespace {

constexpr const char* kDisplayType = "Display";

// The block of `id` in `root`; tests invalid when the block is not there (any more).
VTQUILL::ImmutableBlock rootBlock(QUILL::Deviant& root, QUILL::ObjectId id) {
    return VTQUILL::ImmutableBlock(&root, id);
}

}  // namespace

DisplayedValues& DisplayedValues::instance() {
    static DisplayedValues values;
    return values;
}

bool DisplayedValues::set(const VTQUILL::ImmutableBlock& display, std::string text) {
    if (!display.getDeviant())
        return false;
    QUILL::Deviant& root = display.getDeviant()->getRootDeviant();
    const VTQUILL::ImmutableBlock block = rootBlock(root, display.getObjectId());
    if (!block.isValid() || block.getType() != kDisplayType)
        return false;
    const auto [it, added] = values_.try_emplace(block.getObjectId(), Shown{&root, text});
    if (!added) {
        // A run pushes values many times a second; an unchanged readout costs no drawing.
        if (it->second.text == text)
            return true;
        it->second.text = std::move(text);
    }
    tellRedraw(root, {block.getObjectId()});
    return true;
}

std::optional<std::string> DisplayedValues::find(const VTQUILL::ImmutableBlock& display) const {
    const auto it = values_.find(display.getObjectId());
    if (it == values_.end())
        return std::nullopt;
    return it->second.text;
}

void DisplayedValues::clear(const QUILL::ImmutableModel& model) {
    QUILL::Deviant* instance = model.getDeviantPtr();
    if (!instance)
        return;
    // A closed instance still knows its root, so a model's values go also after it closed.
    QUILL::Deviant& root = instance->getRootDeviant();
    std::vector<QUILL::ObjectId> cleared;
    for (auto it = values_.begin(); it != values_.end();) {
        if (it->second.root != &root) {
            ++it;
            continue;
        }
        cleared.push_back(it->first);
        it = values_.erase(it);
    }
    tellRedraw(root, cleared);
}

void DisplayedValues::clear(const VTQUILL::ImmutableBlock& display) {
    const auto it = values_.find(display.getObjectId());
    if (it == values_.end())
        return;
    QUILL::Deviant& root = *it->second.root;
    values_.erase(it);
    tellRedraw(root, {display.getObjectId()});
}

void DisplayedValues::tellRedraw(QUILL::Deviant& root, const std::vector<QUILL::ObjectId>& blocks) {
    if (!root.isOpen())
        return;
    // One batch per diagram, diagrams in the order of their first block (ids ascending), so
    // that delivery is repeatable and each editor draws its blocks once.
    std::vector<std::pair<vtGraph*, std::vector<vtBlock*>>> byGraph;
    for (QUILL::ObjectId id : blocks) {
        const VTQUILL::ImmutableBlock block = rootBlock(root, id);
        // A block deleted meanwhile has no look to restore.
        if (!block.isValid())
            continue;
        vtGraph* graph = VTQUILL::getVtGraph(block.getDiagram());
        vtBlock* engineBlock = VTQUILL::getVtBlock(block);
        if (!graph || !engineBlock)
            continue;
        auto group = std::find_if(byGraph.begin(), byGraph.end(),
                                  [graph](const auto& g) { return g.first == graph; });
        if (group == byGraph.end())
            group = byGraph.insert(byGraph.end(), {graph, {}});
        group->second.push_back(engineBlock);
    }
    // The same notifications as an engine edit, without its transaction: listeners redraw
    // the blocks while the model stays as it is.
    for (auto& [graph, changed] : byGraph) {
        graph->notify([](GraphListener& l) { l.changeBatchBegin(); });
        for (vtBlock* b : changed)
            graph->notify([b](GraphListener& l) { l.blockHasChanged(b); });
        graph->notify([](GraphListener& l) { l.changeBatchEnd(); });
    }
}

}  // namespace VTDove
