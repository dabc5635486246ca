#pragma once

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// y = sum of sign_k * u_k, element-wise; scalar inputs are expanded.
class SumBlock : public RuntimeBlock {
public:
    // `signs`: +1 or -1 per input.
    SumBlock(std::string path, std::vector<double> signs);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    void output(EvalState& s) const override;

private:
    std::vector<double> signs_;
};

}  // namespace VTSIM
