#pragma once

#include <string>

#include "vtquill/VTQuill.h"

namespace CHARTIX {

// Finds blocks of the open block-diagram models by the state-chart side's names for them.
class ChartBlockLookup {
public:
    ChartBlockLookup() = delete;

    // The block whose full path (Block::getFullPathName: the path of its diagram, "/", its
    // name with "/" doubled) is `fullPath`, bound to its model's root; an empty handle when
    // no open model has one. The first model opened wins.
    static VTQUILL::Block blockAt(const std::string& fullPath);
    // The block with the numeric engine handle `handle` (Block::getHandle), bound to its
    // model's root; an empty handle when there is none.
    static VTQUILL::Block blockWithHandle(double handle);
};

}  // namespace CHARTIX
