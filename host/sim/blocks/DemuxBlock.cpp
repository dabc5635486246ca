#include "sim/blocks/DemuxBlock.h"

#include <algorithm>

namespace VTSIM {

DemuxBlock::DemuxBlock(std::string path, int outputCount)
    : RuntimeBlock(std::move(path), 1, outputCount) {}

std::vector<int> DemuxBlock::outputWidths(const std::vector<int>& w) const {
    if (w[0] == 0)
        return {};
    const int n = outputCount();
    if (w[0] % n != 0)
        throw WidthError("an input of width " + std::to_string(w[0]) +
                         " does not split evenly into " + std::to_string(n) + " outputs");
    return std::vector<int>(n, w[0] / n);
}

void DemuxBlock::output(EvalState& s) const {
    const double* u = s.signals + inputs[0].offset;
    for (int k = 0; k < outputCount(); ++k) {
        std::copy_n(u, outputs[k].width, out(s, k));
        u += outputs[k].width;
    }
}

}  // namespace VTSIM
