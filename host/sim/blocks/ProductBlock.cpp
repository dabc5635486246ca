#include "sim/blocks/ProductBlock.h"

#include <cmath>

namespace VTSIM {

ProductBlock::ProductBlock(std::string path, std::vector<bool> divide)
    : RuntimeBlock(std::move(path), static_cast<int>(divide.size()), 1),
      divide_(std::move(divide)) {}

std::vector<int> ProductBlock::outputWidths(const std::vector<int>& w) const {
    const int common = commonWidth(w, "the inputs");
    if (common == 0)
        return {};
    return {common};
}

void ProductBlock::output(EvalState& s) const {
    double* y = out(s);
    const int w = outputs[0].width;
    for (int i = 0; i < w; ++i) {
        double product = 1;
        for (int k = 0; k < inputCount(); ++k) {
            const double u = in(s, k, i);
            if (!divide_[k]) {
                product *= u;
            } else if (u == 0) {
                if (!s.fault) {  // the first fault of an evaluation is the one named
                    s.fault = this;
                    s.faultReason = "division by zero";
                }
                product = NAN;
            } else {
                product /= u;
            }
        }
        y[i] = product;
    }
}

}  // namespace VTSIM
