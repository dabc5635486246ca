#pragma once

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// A block that only reads its inputs: a Scope, a Display or a top-level Output, whose inputs
// the run logs. Any widths.
class SinkBlock : public RuntimeBlock {
public:
    SinkBlock(std::string path, int inputCount);
    std::vector<int> outputWidths(const std::vector<int>&) const override { return {}; }
    void output(EvalState&) const override {}
};

}  // namespace VTSIM
