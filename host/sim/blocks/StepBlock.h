#pragma once

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// Outputs `before` for t < time and `after` from `time` on (each a scalar or a vector; a
// scalar is expanded). The jump is a time event: the solver stops exactly at it.
class StepBlock : public RuntimeBlock {
public:
    StepBlock(std::string path, double time, std::vector<double> before, std::vector<double> after);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    void timeEvents(std::vector<double>& times) const override { times.push_back(time_); }
    void output(EvalState& s) const override;
    bool updateModes(const EvalState& s, double* x, const int* crossed, bool again) override;

private:
    double time_;
    std::vector<double> before_;
    std::vector<double> after_;
    bool stepped_ = false;
};

}  // namespace VTSIM
