#pragma once

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// y = u limited to [lower, upper], element-wise. The limits' edges are zero crossings (u - upper,
// u - lower per element), so the solver steps exactly onto each kink.
class SaturationBlock : public RuntimeBlock {
public:
    SaturationBlock(std::string path, std::vector<double> upper, std::vector<double> lower);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    int zeroCrossingCount() const override { return 2 * outputs[0].width; }
    void output(EvalState& s) const override;
    void zeroCrossings(const EvalState& s, double* g) const override;

private:
    double upper(int i) const { return upper_[upper_.size() == 1 ? 0 : i]; }
    double lower(int i) const { return lower_[lower_.size() == 1 ? 0 : i]; }

    std::vector<double> upper_;
    std::vector<double> lower_;
};

}  // namespace VTSIM
