#pragma once

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// H(s) = numerator(s) / denominator(s) (coefficients in descending powers of s), proper, with
// zero initial state, realised in controllable canonical form per element:
//   z1' = z2, ..., z(n-1)' = zn, zn' = u - a1 zn - ... - an z1,
//   y = cn z1 + ... + c1 zn + d u,
// with the denominator scaled to s^n + a1 s^(n-1) + ... + an, d the numerator's s^n coefficient
// over the denominator's leading one, and c_k = b_k - d a_k.
class TransferFunctionBlock : public RuntimeBlock {
public:
    // Throws std::invalid_argument for an improper function or a zero leading denominator
    // coefficient.
    TransferFunctionBlock(std::string path, std::vector<double> numerator,
                          std::vector<double> denominator);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    std::vector<int> widthsFromParameters() const override { return {1}; }
    bool hasDirectFeedthrough(int) const override { return direct_ != 0; }
    int stateCount() const override { return order() * outputs[0].width; }
    void initialStates(double* x) const override;
    void output(EvalState& s) const override;
    void derivatives(EvalState& s) const override;

private:
    int order() const { return static_cast<int>(a_.size()); }

    std::vector<double> a_;  // a1..an
    std::vector<double> c_;  // c1..cn
    double direct_ = 0;
};

}  // namespace VTSIM
