#pragma once

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// Outputs amplitude * sin(frequency * t + phase) + bias (frequency in rad/s, phase in rad),
// element-wise over the parameters' common width.
class SineBlock : public RuntimeBlock {
public:
    SineBlock(std::string path, std::vector<double> amplitude, std::vector<double> frequency,
              std::vector<double> phase, std::vector<double> bias);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    void output(EvalState& s) const override;

private:
    std::vector<double> amplitude_, frequency_, phase_, bias_;
};

}  // namespace VTSIM
