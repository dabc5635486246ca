#include "sim/blocks/StepBlock.h"

namespace VTSIM {

StepBlock::StepBlock(std::string path, double time, std::vector<double> before,
                     std::vector<double> after)
    : RuntimeBlock(std::move(path), 0, 1),
      time_(time),
      before_(std::move(before)),
      after_(std::move(after)) {}

std::vector<int> StepBlock::outputWidths(const std::vector<int>&) const {
    return {commonWidth({static_cast<int>(before_.size()), static_cast<int>(after_.size())},
                        "Before and After")};
}

void StepBlock::output(EvalState& s) const {
    const std::vector<double>& v = stepped_ ? after_ : before_;
    double* y = out(s);
    const int w = outputs[0].width;
    for (int i = 0; i < w; ++i)
        y[i] = v[v.size() == 1 ? 0 : i];
}

bool StepBlock::updateModes(const EvalState& s, double*, const int*, bool) {
    const bool stepped = s.t >= time_;
    const bool changed = stepped != stepped_;
    stepped_ = stepped;
    return changed;
}

}  // namespace VTSIM
