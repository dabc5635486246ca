#pragma once

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// y = gain .* u, element-wise; a scalar gain or a scalar input is expanded.
class GainBlock : public RuntimeBlock {
public:
    GainBlock(std::string path, std::vector<double> gain);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    void configure() override;
    void output(EvalState& s) const override;
    std::optional<ScalarForm> scalarForm() const override;

private:
    std::vector<double> gain_;
    // The scalar case, read without going through the slices.
    bool scalar_ = false;
    int in_ = 0, out_ = 0;
    double k_ = 0;
};

}  // namespace VTSIM
