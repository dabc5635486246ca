#include "sim/EvaluationPlan.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <stdexcept>

#include "sim/FiniteCheck.h"

namespace VTSIM {

namespace {

using Shape = ScalarForm::Shape;
constexpr int kShapes = static_cast<int>(Shape::Difference) + 1;

// values[begin] when values[begin..end) count up by one, else -1.
int baseIfConsecutive(const std::vector<int>& values, int begin, int end) {
    for (int i = begin + 1; i < end; ++i) {
        if (values[i] != values[begin] + (i - begin))
            return -1;
    }
    return begin < end ? values[begin] : -1;
}

// An operand read through an array of pointers, or from one range.
struct PointedOperand {
    const double* const* at;
    double operator()(int i) const { return *at[i]; }
};
struct RangedOperand {
    const double* first;  // the value of entry i at first[i]
    double operator()(int i) const { return first[i]; }
};

}  // namespace

EvaluationPlan::EvaluationPlan(const std::vector<RuntimeBlock*>& outputBlocks,
                               const std::vector<RuntimeBlock*>& dynamicBlocks, int signalCount) {
    for (const Group& group : groupsOf(outputBlocks, signalCount))
        addGroup(group);
    for (const RuntimeBlock* block : dynamicBlocks) {
        if (const std::optional<int> signal = block->derivativeSignal()) {
            feedState_.push_back(block->stateOffset);
            feedSignal_.push_back(*signal);
        } else {
            dynamicCalls_.push_back(block);
        }
    }
    int states = 0;
    for (const RuntimeBlock* block : dynamicBlocks)
        states += block->stateCount();
    for (const Step& step : steps_) {
        if (step.shape == Shape::State && step.aBase == 0 && step.outBase >= 0 &&
            step.end - step.begin == states)
            stateMirror_ = step.outBase;
    }
    const int feeds = static_cast<int>(feedState_.size());
    feedsContiguous_ = baseIfConsecutive(feedState_, 0, feeds) >= 0 &&
                       baseIfConsecutive(feedSignal_, 0, feeds) >= 0;
}

std::vector<const RuntimeBlock*> EvaluationPlan::evaluationOrder(
    const std::vector<RuntimeBlock*>& outputBlocks, int signalCount) {
    std::vector<const RuntimeBlock*> order;
    for (const Group& group : groupsOf(outputBlocks, signalCount))
        order.insert(order.end(), group.blocks.begin(), group.blocks.end());
    return order;
}

std::vector<EvaluationPlan::Group> EvaluationPlan::groupsOf(
    const std::vector<RuntimeBlock*>& blocks, int signalCount) {
    const std::vector<int> levels = levelsOf(blocks, signalCount);
    const int deepest = levels.empty() ? -1 : *std::max_element(levels.begin(), levels.end());
    // Per level, one group per shape and a last one for the blocks called one by one.
    std::vector<Group> slots((deepest + 1) * (kShapes + 1));
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const RuntimeBlock* block = blocks[i];
        const std::optional<ScalarForm> form = block->scalarForm();
        const int kind = form ? static_cast<int>(form->shape) : kShapes;
        Group& group = slots[levels[i] * (kShapes + 1) + kind];
        if (form)
            group.shape = form->shape;
        group.blocks.push_back(block);
    }
    std::vector<Group> groups;
    for (Group& group : slots) {
        if (!group.blocks.empty())
            groups.push_back(std::move(group));
    }
    return groups;
}

// Execution order puts every block after the blocks feeding it directly, so one pass in that
// order finds each block's level from levels already known.
std::vector<int> EvaluationPlan::levelsOf(const std::vector<RuntimeBlock*>& blocks,
                                          int signalCount) {
    std::vector<int> producer(signalCount, -1);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        for (const Slice& out : blocks[i]->outputs)
            std::fill_n(producer.begin() + out.offset, out.width, static_cast<int>(i));
    }
    std::vector<int> levels(blocks.size(), 0);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const RuntimeBlock& block = *blocks[i];
        for (int k = 0; k < block.inputCount(); ++k) {
            const int from = producer[block.inputs[k].offset];
            if (from < 0 || !block.hasDirectFeedthrough(k))
                continue;
            if (from >= static_cast<int>(i))
                throw std::logic_error(block.path() + " comes before a block feeding it directly");
            levels[i] = std::max(levels[i], levels[from] + 1);
        }
    }
    return levels;
}

void EvaluationPlan::addGroup(const Group& group) {
    Step step;
    step.shape = group.shape;
    if (!group.shape) {
        step.begin = static_cast<int>(calls_.size());
        calls_.insert(calls_.end(), group.blocks.begin(), group.blocks.end());
        step.end = static_cast<int>(calls_.size());
        steps_.push_back(step);
        return;
    }
    step.begin = static_cast<int>(a_.size());
    std::vector<int> outputs;
    for (const RuntimeBlock* block : group.blocks) {
        const ScalarForm form = *block->scalarForm();
        outputs.push_back(block->outputs[0].offset);
        a_.push_back(form.a);
        b_.push_back(form.b);
        ka_.push_back(form.ka);
        kb_.push_back(form.kb);
    }
    step.end = static_cast<int>(a_.size());
    step.outBase = baseIfConsecutive(outputs, 0, static_cast<int>(outputs.size()));
    if (step.outBase < 0)
        throw std::logic_error("the signal buffer is not laid out in evaluation order");
    step.aBase = baseIfConsecutive(a_, step.begin, step.end);
    step.bBase = baseIfConsecutive(b_, step.begin, step.end);
    steps_.push_back(step);
}

void EvaluationPlan::outputs(EvalState& s) const {
    assert(s.signals == boundSignals_);
    for (const Step& step : steps_) {
        if (step.shape) {
            runForms(step, s);
            continue;
        }
        for (int i = step.begin; i < step.end; ++i)
            calls_[i]->output(s);
    }
}

void EvaluationPlan::bindSignals(double* signals) {
    boundSignals_ = signals;
    aAt_.resize(a_.size());
    bAt_.resize(b_.size());
    for (std::size_t i = 0; i < a_.size(); ++i) {
        aAt_[i] = signals + a_[i];
        bAt_[i] = signals + b_[i];
    }
}

// One loop per shape and per way of reading the operands: as ranges (consecutive operands, as
// the evaluation-order layout often makes them: no index loads, and the loop vectorizes), or
// through pointers into the bound buffer (measured faster than indices into it).
void EvaluationPlan::runForms(const Step& step, EvalState& s) const {
    // Entry i of the step is entry begin + i of the arrays.
    const int begin = step.begin, n = step.end - step.begin;
    double* const u = s.signals;
    const double* const ka = ka_.data() + begin;
    const double* const kb = kb_.data() + begin;
    // Each step writes one range. Four entries at a time, all read before any is written: the
    // processor may then start the next reads before the writes are done, which it does not dare
    // while writes and reads of one buffer alternate. No entry of a step reads another one's output
    // (the blocks of a level do not feed each other directly).
    const auto each = [&, y = u + step.outBase](auto value) {
        int i = 0;
        for (; i + 4 <= n; i += 4) {
            const double v0 = value(i), v1 = value(i + 1), v2 = value(i + 2), v3 = value(i + 3);
            y[i] = v0;
            y[i + 1] = v1;
            y[i + 2] = v2;
            y[i + 3] = v3;
        }
        for (; i < n; ++i)
            y[i] = value(i);
    };
    const auto signal = [&](int base, const std::vector<const double*>& at, auto use) {
        if (base >= 0)
            use(RangedOperand{u + base});
        else
            use(PointedOperand{at.data() + begin});
    };
    switch (*step.shape) {
        case Shape::Fixed:
            each([&](int i) { return ka[i]; });
            return;
        case Shape::State:
            // Not a library copy: the steps after read what it writes at once (see
            // `derivatives`).
            // States a solver wrote into these very outputs (its stage buffer) are in place.
            if (step.aBase >= 0 && s.x + step.aBase == u + step.outBase)
                return;
            if (step.aBase >= 0)
                each([x = s.x + step.aBase](int i) { return x[i]; });
            else
                each([x = s.x, a = a_.data() + begin](int i) { return x[a[i]]; });
            return;
        case Shape::Scaled:
            signal(step.aBase, aAt_, [&](auto v) { each([&](int i) { return ka[i] * v(i); }); });
            return;
        case Shape::WeightedPair:
            signal(step.aBase, aAt_, [&](auto v) {
                signal(step.bBase, bAt_,
                       [&](auto w) { each([&](int i) { return ka[i] * v(i) + kb[i] * w(i); }); });
            });
            return;
        case Shape::Sum:
            signal(step.aBase, aAt_, [&](auto v) {
                signal(step.bBase, bAt_, [&](auto w) { each([&](int i) { return v(i) + w(i); }); });
            });
            return;
        case Shape::Difference:
            signal(step.aBase, aAt_, [&](auto v) {
                signal(step.bBase, bAt_, [&](auto w) { each([&](int i) { return v(i) - w(i); }); });
            });
            return;
    }
}

// Copying and checking in one pass reads each derivative once, and a loop that does more than
// copy stays a loop: a library copy's wide writes make the reads just after them wait.
bool EvaluationPlan::derivatives(EvalState& s) const {
    FiniteCheck check;
    const int feeds = static_cast<int>(feedState_.size());
    if (feedsContiguous_) {
        const double* const from = s.signals + feedSignal_.front();
        double* const to = s.dx + feedState_.front();
        for (int i = 0; i < feeds; ++i) {
            to[i] = from[i];
            check.add(from[i]);
        }
    } else {
        for (int i = 0; i < feeds; ++i) {
            const double v = s.signals[feedSignal_[i]];
            s.dx[feedState_[i]] = v;
            check.add(v);
        }
    }
    for (const RuntimeBlock* block : dynamicCalls_) {
        block->derivatives(s);
        check.add(s.dx + block->stateOffset, block->stateCount());
    }
    return check.allFinite();
}

std::vector<EvaluationPlan::StepSummary> EvaluationPlan::summary() const {
    std::vector<StepSummary> steps;
    for (const Step& step : steps_)
        steps.push_back({step.shape, step.end - step.begin});
    return steps;
}

}  // namespace VTSIM
