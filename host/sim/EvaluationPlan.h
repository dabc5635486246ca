#pragma once

#include <optional>
#include <vector>

#include "sim/RuntimeBlock.h"
#include "sim/ScalarForm.h"

namespace VTSIM {

// How a run evaluates a compiled model's blocks: the blocks in dependency levels (a block
// comes one level after the deepest block feeding one of its direct-feedthrough inputs; blocks
// fed directly by nothing are on level 0), and on each level the blocks of one scalar form
// computed together by one loop over flat arrays, then the others called one by one in
// execution order. Blocks on one level do not feed each other directly, so any order among them
// gives the values execution order gives; the batches spare a virtual call and a visit to a
// scattered block object for each of the many small blocks a large model is made of. The
// compiler lays the signal buffer out in this order (`evaluationOrder`), so that a batch writes
// one contiguous range and copies of states are plain copies.
//
// Refers to the blocks it evaluates, which outlive it (the compiled model holds both).
class EvaluationPlan {
public:
    // A plan that evaluates nothing.
    EvaluationPlan() = default;
    // `outputBlocks`: the blocks with outputs, in execution order; `dynamicBlocks`: the blocks
    // with states; `signalCount`: the size of the signal buffer.
    EvaluationPlan(const std::vector<RuntimeBlock*>& outputBlocks,
                   const std::vector<RuntimeBlock*>& dynamicBlocks, int signalCount);

    // The blocks with outputs in the order a plan of them evaluates them.
    static std::vector<const RuntimeBlock*> evaluationOrder(
        const std::vector<RuntimeBlock*>& outputBlocks, int signalCount);

    // The signal buffer the run evaluates into (`signalCount` doubles), before the first
    // `outputs`; the buffer outlives the run.
    void bindSignals(double* signals);
    // Every block output at `s.t`, `s.x`, into `s.signals`, the bound buffer.
    void outputs(EvalState& s) const;
    // Every state's derivative into `s.dx`, from the outputs in `s.signals`; whether all are
    // finite numbers.
    bool derivatives(EvalState& s) const;

    // Where the outputs hold every state, in order, once `outputs` has run (the outputs of
    // integrators that are all the model's states); none when they do not.
    std::optional<int> stateMirror() const { return stateMirror_; }

    // What the plan is made of, for tests: per step, its scalar shape (none for blocks called
    // one by one) and how many blocks it evaluates.
    struct StepSummary {
        std::optional<ScalarForm::Shape> shape;
        int blocks = 0;
    };
    std::vector<StepSummary> summary() const;

private:
    // Blocks of one level and shape (none: called one by one), in execution order.
    struct Group {
        std::optional<ScalarForm::Shape> shape;
        std::vector<const RuntimeBlock*> blocks;
    };
    // A group as the run computes it: scalar forms range over the form arrays, calls over
    // `calls_`. Scalar forms write the range of signals from `outBase` (the layout's doing);
    // `aBase` is the first operand's offset when the operands are consecutive, else -1, and
    // `bBase` likewise.
    struct Step {
        std::optional<ScalarForm::Shape> shape;
        int begin = 0;
        int end = 0;
        int outBase = -1;
        int aBase = -1;
        int bBase = -1;
    };

    static std::vector<Group> groupsOf(const std::vector<RuntimeBlock*>& blocks, int signalCount);
    static std::vector<int> levelsOf(const std::vector<RuntimeBlock*>& blocks, int signalCount);
    void addGroup(const Group& group);
    void runForms(const Step& step, EvalState& s) const;

    std::vector<Step> steps_;
    // The scalar forms, step by step: operands and constants.
    std::vector<int> a_, b_;
    std::vector<double> ka_, kb_;
    // The operands' addresses in the bound buffer.
    double* boundSignals_ = nullptr;
    std::vector<const double*> aAt_, bAt_;
    std::vector<const RuntimeBlock*> calls_;
    // Derivatives: dx[feedState_[i]] = u[feedSignal_[i]], then the other blocks with states.
    std::vector<int> feedState_, feedSignal_;
    bool feedsContiguous_ = false;
    std::optional<int> stateMirror_;
    std::vector<const RuntimeBlock*> dynamicCalls_;
};

}  // namespace VTSIM
