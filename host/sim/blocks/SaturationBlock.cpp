#include "sim/blocks/SaturationBlock.h"

#include <algorithm>

namespace VTSIM {

SaturationBlock::SaturationBlock(std::string path, std::vector<double> upper,
                                 std::vector<double> lower)
    : RuntimeBlock(std::move(path), 1, 1), upper_(std::move(upper)), lower_(std::move(lower)) {}

std::vector<int> SaturationBlock::outputWidths(const std::vector<int>& w) const {
    if (w[0] == 0)
        return {};
    return {commonWidth({static_cast<int>(upper_.size()), static_cast<int>(lower_.size()), w[0]},
                        "the limits and the input")};
}

void SaturationBlock::output(EvalState& s) const {
    double* y = out(s);
    for (int i = 0; i < outputs[0].width; ++i)
        y[i] = std::clamp(in(s, 0, i), lower(i), upper(i));
}

void SaturationBlock::zeroCrossings(const EvalState& s, double* g) const {
    for (int i = 0; i < outputs[0].width; ++i) {
        const double u = in(s, 0, i);
        g[2 * i] = u - upper(i);
        g[2 * i + 1] = u - lower(i);
    }
}

}  // namespace VTSIM
