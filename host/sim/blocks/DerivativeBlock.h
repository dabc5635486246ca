#pragma once

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// y = (u(t) - u(t_prev)) / (t - t_prev), element-wise, where t_prev is the last accepted step
// before t; 0 at the start, and at t == t_prev the value the last accepted step gave.
class DerivativeBlock : public RuntimeBlock {
public:
    explicit DerivativeBlock(std::string path);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    bool needsStepNotice() const override { return true; }
    void configure() override;
    void output(EvalState& s) const override;
    void acceptStep(const EvalState& s) override;

private:
    bool started_ = false;
    double previousTime_ = 0;
    std::vector<double> previousInput_;
    std::vector<double> previousOutput_;
};

}  // namespace VTSIM
