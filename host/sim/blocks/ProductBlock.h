#pragma once

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// y = the product over the inputs of u_k (multiply) or 1/u_k (divide), starting from 1,
// element-wise; scalar inputs are expanded. A division by zero stops the run at this block.
class ProductBlock : public RuntimeBlock {
public:
    // `divide`: per input, whether it divides.
    ProductBlock(std::string path, std::vector<bool> divide);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    void output(EvalState& s) const override;

private:
    std::vector<bool> divide_;
};

}  // namespace VTSIM
