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

void SumBlock::configure() {
    scalarPair_ = outputs[0].width == 1 && inputCount() == 2;
    in0_ = scalarPair_ ? inputs[0].offset : 0;
    in1_ = scalarPair_ ? inputs[1].offset : 0;
    out_ = outputs[0].offset;
    sign0_ = signs_[0];
    sign1_ = scalarPair_ ? signs_[1] : 0;
}

void SumBlock::output(EvalState& s) const {
    if (scalarPair_) {
        s.signals[out_] = sign0_ * s.signals[in0_] + sign1_ * s.signals[in1_];
        return;
    }
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

std::optional<ScalarForm> SumBlock::scalarForm() const {
    if (!scalarPair_)
        return std::nullopt;
    // Multiplying by +1 or -1 is exact and a + (-b) is a - b: two of the sign pairs need no
    // product at all.
    using Shape = ScalarForm::Shape;
    if (sign0_ == 1 && sign1_ == 1)
        return ScalarForm{Shape::Sum, in0_, in1_, 0, 0};
    if (sign0_ == 1 && sign1_ == -1)
        return ScalarForm{Shape::Difference, in0_, in1_, 0, 0};
    if (sign0_ == -1 && sign1_ == 1)
        return ScalarForm{Shape::Difference, in1_, in0_, 0, 0};
    return ScalarForm{Shape::WeightedPair, in0_, in1_, sign0_, sign1_};
}

}  // namespace VTSIM
