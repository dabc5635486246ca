#include "sim/RuntimeBlock.h"

namespace VTSIM {

RuntimeBlock::RuntimeBlock(std::string path, int inputCount, int outputCount)
    : inputs(inputCount), outputs(outputCount), path_(std::move(path)) {}

bool RuntimeBlock::hasDirectFeedthrough(int /*input*/) const {
    return true;
}

int RuntimeBlock::commonWidth(const std::vector<int>& widths, const std::string& what) {
    int common = 1;
    for (const int w : widths) {
        if (w == 0)
            return 0;
        if (w == 1 || w == common)
            continue;
        if (common != 1)
            throw WidthError(what + " have widths " + std::to_string(common) + " and " +
                             std::to_string(w) + ", which do not match");
        common = w;
    }
    return common;
}

}  // namespace VTSIM
