#pragma once

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// Outputs its inputs one after another as one vector.
class MuxBlock : public RuntimeBlock {
public:
    MuxBlock(std::string path, int inputCount);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    void output(EvalState& s) const override;
};

}  // namespace VTSIM
