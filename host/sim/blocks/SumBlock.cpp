#include "sim/blocks/SumBlock.h"

namespace VTSIM {

SumBlock::SumBlock(std::string path, std::vector<double> signs)
    : RuntimeBlock(std::move(path), static_cast<int>(signs.size()), 1), signs_(std::move(signs)) {}

std::vector<int> SumBlock::outputWidths(const std::vector<int>& w) const {
    const int common = commonWidth(w, "the inputs");
    if (common == 0)
        return {};
    return {common};
}

void SumBlock::output(EvalState& s) const {
    double* y = out(s);
    const int w = outputs[0].width;
    const int n = inputCount();
    if (w == 1) {
        double sum = 0;
        for (int k = 0; k < n; ++k)
            sum += signs_[k] * s.signals[inputs[k].offset];
        y[0] = sum;
        return;
    }
    for (int i = 0; i < w; ++i) {
        double sum = 0;
        for (int k = 0; k < n; ++k)
            sum += signs_[k] * in(s, k, i);
        y[i] = sum;
    }
}

}  // namespace VTSIM
