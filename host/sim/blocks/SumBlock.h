#pragma once

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// y = sum of sign_k * u_k, element-wise; scalar inputs are expanded.
class SumBlock : public RuntimeBlock {
public:
    // `signs`: +1 or -1 per input.
    SumBlock(std::string path, std::vector<double> signs);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    void configure() override;
    void output(EvalState& s) const override;
    std::optional<ScalarForm> scalarForm() const override;

private:
    std::vector<double> signs_;
    // The scalar sum of two inputs, read without going through the slices.
    bool scalarPair_ = false;
    int in0_ = 0, in1_ = 0, out_ = 0;
    double sign0_ = 0, sign1_ = 0;
};

}  // namespace VTSIM
