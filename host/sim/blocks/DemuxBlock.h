#pragma once

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// Splits its input evenly over its outputs (the input's width must be a multiple of their
// number).
class DemuxBlock : public RuntimeBlock {
public:
    DemuxBlock(std::string path, int outputCount);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    void output(EvalState& s) const override;
};

}  // namespace VTSIM
