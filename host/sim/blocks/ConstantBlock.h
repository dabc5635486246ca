#pragma once

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// Outputs `value` (a scalar or a vector) at all times.
class ConstantBlock : public RuntimeBlock {
public:
    ConstantBlock(std::string path, std::vector<double> value);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    void output(EvalState& s) const override;
    std::optional<ScalarForm> scalarForm() const override;

private:
    std::vector<double> value_;
};

}  // namespace VTSIM
