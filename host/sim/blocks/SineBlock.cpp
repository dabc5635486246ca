#include "sim/blocks/SineBlock.h"

#include <cmath>

namespace VTSIM {

namespace {

double at(const std::vector<double>& v, int i) {
    return v[v.size() == 1 ? 0 : i];
}

}  // namespace

SineBlock::SineBlock(std::string path, std::vector<double> amplitude, std::vector<double> frequency,
                     std::vector<double> phase, std::vector<double> bias)
    : RuntimeBlock(std::move(path), 0, 1),
      amplitude_(std::move(amplitude)),
      frequency_(std::move(frequency)),
      phase_(std::move(phase)),
      bias_(std::move(bias)) {}

std::vector<int> SineBlock::outputWidths(const std::vector<int>&) const {
    return {commonWidth({static_cast<int>(amplitude_.size()), static_cast<int>(frequency_.size()),
                         static_cast<int>(phase_.size()), static_cast<int>(bias_.size())},
                        "Amplitude, Frequency, Phase and Bias")};
}

void SineBlock::output(EvalState& s) const {
    double* y = out(s);
    const int w = outputs[0].width;
    for (int i = 0; i < w; ++i)
        y[i] = at(amplitude_, i) * std::sin(at(frequency_, i) * s.t + at(phase_, i)) + at(bias_, i);
}

}  // namespace VTSIM
