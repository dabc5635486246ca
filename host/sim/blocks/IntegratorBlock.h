#pragma once

#include <optional>

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// dx/dt = u, y = x, element-wise, from `initialCondition` (a vector initial condition sets the
// width). With limits, the state is held at a limit while the input pushes outward and
// released when the input turns back: reaching a limit (x - upper, x - lower) and the input
// turning back (u) are zero crossings.
class IntegratorBlock : public RuntimeBlock {
public:
    IntegratorBlock(std::string path, std::vector<double> initialCondition,
                    std::optional<std::vector<double>> upper,
                    std::optional<std::vector<double>> lower);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    std::vector<int> widthsFromParameters() const override;
    bool hasDirectFeedthrough(int) const override { return false; }
    void configure() override;
    int stateCount() const override { return outputs[0].width; }
    int zeroCrossingCount() const override { return limited() ? 2 * outputs[0].width : 0; }

    void initialStates(double* x) const override;
    void output(EvalState& s) const override;
    void derivatives(EvalState& s) const override;
    std::optional<ScalarForm> scalarForm() const override;
    std::optional<int> derivativeSignal() const override;
    void zeroCrossings(const EvalState& s, double* g) const override;
    bool updateModes(const EvalState& s, double* x, const int* crossed, bool again) override;

private:
    enum class Hold : signed char { Free, AtUpper, AtLower };
    bool limited() const { return upper_.has_value() || lower_.has_value(); }
    double upper(int i) const;
    double lower(int i) const;
    Hold holdFor(double x, double u, int crossedUpper, int crossedLower, int i) const;

    std::vector<double> initial_;
    std::optional<std::vector<double>> upper_;
    std::optional<std::vector<double>> lower_;
    std::vector<Hold> hold_;
    // The scalar integrator without limits, read without going through the slices.
    bool plainScalar_ = false;
    int in_ = 0, out_ = 0;
};

}  // namespace VTSIM
