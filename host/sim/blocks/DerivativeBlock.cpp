#include "sim/blocks/DerivativeBlock.h"

#include <algorithm>

namespace VTSIM {

DerivativeBlock::DerivativeBlock(std::string path) : RuntimeBlock(std::move(path), 1, 1) {}

std::vector<int> DerivativeBlock::outputWidths(const std::vector<int>& w) const {
    if (w[0] == 0)
        return {};
    return {w[0]};
}

void DerivativeBlock::configure() {
    previousInput_.assign(outputs[0].width, 0.0);
    previousOutput_.assign(outputs[0].width, 0.0);
    started_ = false;
}

void DerivativeBlock::output(EvalState& s) const {
    double* y = out(s);
    const int w = outputs[0].width;
    if (!started_ || !(s.t > previousTime_)) {
        std::copy_n(previousOutput_.begin(), w, y);
        return;
    }
    const double dt = s.t - previousTime_;
    for (int i = 0; i < w; ++i)
        y[i] = (in(s, 0, i) - previousInput_[i]) / dt;
}

void DerivativeBlock::acceptStep(const EvalState& s) {
    const int w = outputs[0].width;
    const double* y = out(s);
    for (int i = 0; i < w; ++i) {
        previousInput_[i] = in(s, 0, i);
        previousOutput_[i] = y[i];
    }
    previousTime_ = s.t;
    started_ = true;
}

}  // namespace VTSIM
