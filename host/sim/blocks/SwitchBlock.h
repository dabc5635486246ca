#pragma once

#include <optional>

#include "sim/RuntimeBlock.h"

namespace VTSIM {

// y = u1 where the criterion on u2 holds, else u3, element-wise. The criterion's edge
// (u2 - threshold, or u2 for "u2 != 0") is a zero crossing; between events each element keeps
// the branch chosen at the last one, and a crossing's direction decides the new branch, so
// u2 exactly at the threshold follows the criterion's own comparison.
class SwitchBlock : public RuntimeBlock {
public:
    enum class Criterion { AtLeast, Above, NonZero };  // u2 >= t, u2 > t, u2 != 0
    // The criterion of a "Criteria" text ("u2 >= threshold", "u2 > threshold", "u2 != 0").
    static std::optional<Criterion> criterionNamed(const std::string& text);

    SwitchBlock(std::string path, Criterion criterion, std::vector<double> threshold);
    std::vector<int> outputWidths(const std::vector<int>& inputWidths) const override;
    void configure() override;
    int zeroCrossingCount() const override { return outputs[0].width; }
    void output(EvalState& s) const override;
    void zeroCrossings(const EvalState& s, double* g) const override;
    bool updateModes(const EvalState& s, double* x, const int* crossed, bool again) override;

private:
    double edge(const EvalState& s, int i) const;
    bool holds(double edge, int crossed) const;

    Criterion criterion_;
    std::vector<double> threshold_;
    std::vector<char> passFirst_;
};

}  // namespace VTSIM
