#include "sim/blocks/MuxBlock.h"

#include <algorithm>

namespace VTSIM {

MuxBlock::MuxBlock(std::string path, int inputCount)
    : RuntimeBlock(std::move(path), inputCount, 1) {}

std::vector<int> MuxBlock::outputWidths(const std::vector<int>& w) const {
    int total = 0;
    for (const int width : w) {
        if (width == 0)
            return {};
        total += width;
    }
    return {total};
}

void MuxBlock::output(EvalState& s) const {
    double* y = out(s);
    for (const Slice& input : inputs) {
        y = std::copy_n(s.signals + input.offset, input.width, y);
    }
}

}  // namespace VTSIM
