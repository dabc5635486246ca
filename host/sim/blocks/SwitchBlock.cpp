#include "sim/blocks/SwitchBlock.h"

namespace VTSIM {

std::optional<SwitchBlock::Criterion> SwitchBlock::criterionNamed(const std::string& text) {
    if (text == "u2 >= threshold")
        return Criterion::AtLeast;
    if (text == "u2 > threshold")
        return Criterion::Above;
    if (text == "u2 != 0")
        return Criterion::NonZero;
    return std::nullopt;
}

SwitchBlock::SwitchBlock(std::string path, Criterion criterion, std::vector<double> threshold)
    : RuntimeBlock(std::move(path), 3, 1),
      criterion_(criterion),
      threshold_(std::move(threshold)) {}

std::vector<int> SwitchBlock::outputWidths(const std::vector<int>& w) const {
    const int common = commonWidth({w[0], w[1], w[2], static_cast<int>(threshold_.size())},
                                   "the inputs and the threshold");
    if (common == 0)
        return {};
    return {common};
}

void SwitchBlock::configure() {
    passFirst_.assign(outputs[0].width, 1);
}

double SwitchBlock::edge(const EvalState& s, int i) const {
    const double u2 = in(s, 1, i);
    if (criterion_ == Criterion::NonZero)
        return u2;
    return u2 - threshold_[threshold_.size() == 1 ? 0 : i];
}

bool SwitchBlock::holds(double edge, int crossed) const {
    // After a crossing the edge lies on the side the crossing went to, even when rounding left
    // it a hair short of zero.
    switch (criterion_) {
        case Criterion::AtLeast:
            return crossed != 0 ? crossed > 0 : edge >= 0;
        case Criterion::Above:
            return crossed != 0 ? crossed > 0 : edge > 0;
        case Criterion::NonZero:
            return crossed != 0 ? true : edge != 0;
    }
    return false;
}

void SwitchBlock::output(EvalState& s) const {
    double* y = out(s);
    for (int i = 0; i < outputs[0].width; ++i)
        y[i] = passFirst_[i] ? in(s, 0, i) : in(s, 2, i);
}

void SwitchBlock::zeroCrossings(const EvalState& s, double* g) const {
    for (int i = 0; i < outputs[0].width; ++i)
        g[i] = edge(s, i);
}

bool SwitchBlock::updateModes(const EvalState& s, double*, const int* crossed, bool again) {
    bool changed = false;
    for (int i = 0; i < outputs[0].width; ++i) {
        const int direction = crossed ? crossed[i] : 0;
        if (again && direction != 0)
            continue;
        const char pass = holds(edge(s, i), direction) ? 1 : 0;
        changed = changed || pass != passFirst_[i];
        passFirst_[i] = pass;
    }
    return changed;
}

}  // namespace VTSIM
