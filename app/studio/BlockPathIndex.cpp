#include "BlockPathIndex.h"

#include <functional>

namespace VantorStudio {

namespace {

// Calls `visit` with each block of `diagram` and of the diagrams below it until it answers true;
// whether one did.
bool walk(const VTQUILL::Diagram& diagram,
          const std::function<bool(const VTQUILL::Block&)>& visit) {
    for (const VTQUILL::Block& block : diagram.getBlocks()) {
        if (visit(block))
            return true;
        const VTQUILL::Diagram inner = block.getSubsystemDiagram();
        if (inner.isValid() && walk(inner, visit))
            return true;
    }
    return false;
}

}  // namespace

BlockPathIndex::BlockPathIndex(const VTQUILL::Model& model) {
    for (const VTQUILL::Diagram& top : model.getDiagrams()) {
        walk(top, [this](const VTQUILL::Block& block) {
            blocks_.emplace(block.getFullPathName(), block);
            return false;
        });
    }
}

VTQUILL::Block BlockPathIndex::at(const std::string& path) const {
    const auto it = blocks_.find(path);
    return it == blocks_.end() ? VTQUILL::Block() : it->second;
}

VTQUILL::Block BlockPathIndex::find(const VTQUILL::Model& model, const std::string& path) {
    VTQUILL::Block found;
    for (const VTQUILL::Diagram& top : model.getDiagrams()) {
        if (walk(top, [&](const VTQUILL::Block& block) {
                if (block.getFullPathName() != path)
                    return false;
                found = block;
                return true;
            }))
            break;
    }
    return found;
}

}  // namespace VantorStudio
