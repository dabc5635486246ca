#include "sim/blocks/GainBlock.h"

namespace VTSIM {

GainBlock::GainBlock(std::string path, std::vector<double> gain)
    : RuntimeBlock(std::move(path), 1, 1), gain_(std::move(gain)) {}

std::vector<int> GainBlock::outputWidths(const std::vector<int>& w) const {
    if (w[0] == 0)
        return {};
    return {commonWidth({static_cast<int>(gain_.size()), w[0]}, "the gain and its input")};
}

void GainBlock::configure() {
    scalar_ = outputs[0].width == 1;
    in_ = inputs[0].offset;
    out_ = outputs[0].offset;
    k_ = gain_[0];
}

void GainBlock::output(EvalState& s) const {
    if (scalar_) {
        s.signals[out_] = k_ * s.signals[in_];
        return;
    }
    double* y = out(s);
    const int w = outputs[0].width;
    const bool scalarGain = gain_.size() == 1;
    for (int i = 0; i < w; ++i)
        y[i] = gain_[scalarGain ? 0 : i] * in(s, 0, i);
}

std::optional<ScalarForm> GainBlock::scalarForm() const {
    if (!scalar_)
        return std::nullopt;
    return ScalarForm{ScalarForm::Shape::Scaled, in_, 0, k_, 0};
}

}  // namespace VTSIM
