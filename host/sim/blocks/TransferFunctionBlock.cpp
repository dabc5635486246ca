#include "sim/blocks/TransferFunctionBlock.h"

#include <stdexcept>

namespace VTSIM {

TransferFunctionBlock::TransferFunctionBlock(std::string path, std::vector<double> numerator,
                                             std::vector<double> denominator)
    : RuntimeBlock(std::move(path), 1, 1) {
    if (denominator.empty() || denominator.front() == 0)
        throw std::invalid_argument("the denominator's leading coefficient is zero");
    while (numerator.size() > 1 && numerator.front() == 0)
        numerator.erase(numerator.begin());
    if (numerator.size() > denominator.size())
        throw std::invalid_argument("the transfer function is improper (the numerator's degree " +
                                    std::to_string(numerator.size() - 1) +
                                    " exceeds the denominator's " +
                                    std::to_string(denominator.size() - 1) + ")");
    const int n = static_cast<int>(denominator.size()) - 1;
    const double lead = denominator.front();
    std::vector<double> b(n + 1, 0.0);
    for (std::size_t k = 0; k < numerator.size(); ++k)
        b[n + 1 - numerator.size() + k] = numerator[k] / lead;
    direct_ = b[0];
    for (int k = 1; k <= n; ++k) {
        a_.push_back(denominator[k] / lead);
        c_.push_back(b[k] - direct_ * a_.back());
    }
}

std::vector<int> TransferFunctionBlock::outputWidths(const std::vector<int>& w) const {
    if (w[0] == 0)
        return {};
    return {w[0]};
}

void TransferFunctionBlock::initialStates(double* x) const {
    for (int i = 0; i < stateCount(); ++i)
        x[stateOffset + i] = 0;
}

void TransferFunctionBlock::output(EvalState& s) const {
    const int n = order();
    double* y = out(s);
    for (int e = 0; e < outputs[0].width; ++e) {
        const double* z = s.x + stateOffset + e * n;
        double sum = direct_ * in(s, 0, e);
        for (int k = 1; k <= n; ++k)
            sum += c_[k - 1] * z[n - k];
        y[e] = sum;
    }
}

void TransferFunctionBlock::derivatives(EvalState& s) const {
    const int n = order();
    for (int e = 0; e < outputs[0].width; ++e) {
        const double* z = s.x + stateOffset + e * n;
        double* dz = s.dx + stateOffset + e * n;
        double last = in(s, 0, e);
        for (int k = 1; k <= n; ++k)
            last -= a_[k - 1] * z[n - k];
        for (int j = 0; j + 1 < n; ++j)
            dz[j] = z[j + 1];
        if (n > 0)
            dz[n - 1] = last;
    }
}

}  // namespace VTSIM
