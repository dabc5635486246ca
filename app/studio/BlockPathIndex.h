#pragma once

#include <string>
#include <unordered_map>

#include "vtquill/VTQuill.h"

namespace VantorStudio {

// The blocks of a model by full path (Block::getFullPathName), subsystems' contents included:
// one walk of the model for many look-ups (a run's scopes and displays), or `find` for one.
class BlockPathIndex {
public:
    explicit BlockPathIndex(const VTQUILL::Model& model);

    // The block at `path`; an empty handle when there is none.
    VTQUILL::Block at(const std::string& path) const;
    // One look-up without an index: walks the model until the block is found.
    static VTQUILL::Block find(const VTQUILL::Model& model, const std::string& path);

private:
    std::unordered_map<std::string, VTQUILL::Block> blocks_;
};

}  // namespace VantorStudio
