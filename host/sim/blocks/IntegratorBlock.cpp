#include "sim/blocks/IntegratorBlock.h"

#include <algorithm>
#include <cmath>

namespace VTSIM {

IntegratorBlock::IntegratorBlock(std::string path, std::vector<double> initialCondition,
                                 std::optional<std::vector<double>> upper,
                                 std::optional<std::vector<double>> lower)
    : RuntimeBlock(std::move(path), 1, 1),
      initial_(std::move(initialCondition)),
      upper_(std::move(upper)),
      lower_(std::move(lower)) {}

std::vector<int> IntegratorBlock::outputWidths(const std::vector<int>& w) const {
    std::vector<int> widths{static_cast<int>(initial_.size()), w[0]};
    if (upper_)
        widths.push_back(static_cast<int>(upper_->size()));
    if (lower_)
        widths.push_back(static_cast<int>(lower_->size()));
    const int common = commonWidth(widths, "the initial condition, the limits and the input");
    if (common == 0)
        return widthsFromParameters();
    return {common};
}

std::vector<int> IntegratorBlock::widthsFromParameters() const {
    if (initial_.size() > 1)
        return {static_cast<int>(initial_.size())};
    return {};
}

void IntegratorBlock::configure() {
    hold_.assign(outputs[0].width, Hold::Free);
    plainScalar_ = outputs[0].width == 1 && !limited();
    in_ = inputs[0].offset;
    out_ = outputs[0].offset;
}

double IntegratorBlock::upper(int i) const {
    return upper_ ? (*upper_)[upper_->size() == 1 ? 0 : i] : INFINITY;
}

double IntegratorBlock::lower(int i) const {
    return lower_ ? (*lower_)[lower_->size() == 1 ? 0 : i] : -INFINITY;
}

void IntegratorBlock::initialStates(double* x) const {
    for (int i = 0; i < outputs[0].width; ++i)
        x[stateOffset + i] = std::clamp(initial_[initial_.size() == 1 ? 0 : i], lower(i), upper(i));
}

void IntegratorBlock::output(EvalState& s) const {
    if (plainScalar_) {
        s.signals[out_] = s.x[stateOffset];
        return;
    }
    std::copy_n(s.x + stateOffset, outputs[0].width, out(s));
}

void IntegratorBlock::derivatives(EvalState& s) const {
    const int w = outputs[0].width;
    if (plainScalar_) {
        s.dx[stateOffset] = s.signals[in_];
        return;
    }
    for (int i = 0; i < w; ++i)
        s.dx[stateOffset + i] = hold_.empty() || hold_[i] == Hold::Free ? in(s, 0, i) : 0.0;
}

std::optional<ScalarForm> IntegratorBlock::scalarForm() const {
    if (!plainScalar_)
        return std::nullopt;
    return ScalarForm{ScalarForm::Shape::State, stateOffset, 0, 0, 0};
}

std::optional<int> IntegratorBlock::derivativeSignal() const {
    if (!plainScalar_)
        return std::nullopt;
    return in_;
}

void IntegratorBlock::zeroCrossings(const EvalState& s, double* g) const {
    for (int i = 0; i < outputs[0].width; ++i) {
        const double x = s.x[stateOffset + i];
        if (hold_[i] == Hold::Free) {
            g[2 * i] = upper_ ? x - upper(i) : 1.0;
            g[2 * i + 1] = lower_ ? x - lower(i) : -1.0;
        } else {
            // Held: the input turning back releases the state.
            g[2 * i] = in(s, 0, i);
            g[2 * i + 1] = hold_[i] == Hold::AtUpper ? 1.0 : -1.0;
        }
    }
}

IntegratorBlock::Hold IntegratorBlock::holdFor(double x, double u, int crossedUpper,
                                               int crossedLower, int i) const {
    switch (hold_[i]) {
        case Hold::Free: {
            // A crossing says on which side the state now is, whatever rounding left in x.
            const bool atUpper = crossedUpper != 0 ? crossedUpper > 0 : x >= upper(i);
            const bool atLower = crossedLower != 0 ? crossedLower < 0 : x <= lower(i);
            if (atUpper && u > 0)
                return Hold::AtUpper;
            if (atLower && u < 0)
                return Hold::AtLower;
            return Hold::Free;
        }
        case Hold::AtUpper:
            return (crossedUpper != 0 ? crossedUpper < 0 : u < 0) ? Hold::Free : Hold::AtUpper;
        case Hold::AtLower:
            return (crossedUpper != 0 ? crossedUpper > 0 : u > 0) ? Hold::Free : Hold::AtLower;
    }
    return Hold::Free;
}

bool IntegratorBlock::updateModes(const EvalState& s, double* x, const int* crossed, bool again) {
    if (!limited())
        return false;
    bool changed = false;
    for (int i = 0; i < outputs[0].width; ++i) {
        double& xi = x[stateOffset + i];
        const int first = crossed ? crossed[2 * i] : 0;
        const int second = crossed ? crossed[2 * i + 1] : 0;
        if (again && (first != 0 || second != 0))
            continue;
        const Hold hold = holdFor(xi, in(s, 0, i), first, second, i);
        const double limited = std::clamp(xi, lower(i), upper(i));
        const double held = hold == Hold::AtUpper   ? upper(i)
                            : hold == Hold::AtLower ? lower(i)
                                                    : limited;
        changed = changed || hold != hold_[i] || held != xi;
        hold_[i] = hold;
        xi = held;
    }
    return changed;
}

}  // namespace VTSIM
