#include "sim/EvaluationPlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "SimModelBuilder.h"

namespace {

using SimTest::SimModelBuilder;
using Shape = VTSIM::ScalarForm::Shape;

// A model's signals and derivatives at one point, computed by the plan or by calling every
// block in execution order.
struct Evaluation {
    std::vector<double> signals, dx;
};

std::vector<double> somePoint(int states) {
    std::vector<double> x(std::max(states, 1));
    for (int k = 0; k < states; ++k)
        x[k] = 0.3 * k - 0.7 + 1.0 / (k + 3);
    return x;
}

Evaluation byPlan(VTSIM::CompiledModel& compiled, const std::vector<double>& x, double t) {
    Evaluation e{std::vector<double>(compiled.signalCount, 0.0), std::vector<double>(x.size())};
    compiled.plan.bindSignals(e.signals.data());
    VTSIM::EvalState s{t, x.data(), e.dx.data(), e.signals.data()};
    compiled.plan.outputs(s);
    EXPECT_TRUE(compiled.plan.derivatives(s));
    return e;
}

Evaluation blockByBlock(const VTSIM::CompiledModel& compiled, const std::vector<double>& x,
                        double t) {
    Evaluation e{std::vector<double>(compiled.signalCount, 0.0), std::vector<double>(x.size())};
    VTSIM::EvalState s{t, x.data(), e.dx.data(), e.signals.data()};
    for (const VTSIM::RuntimeBlock* block : compiled.outputBlocks)
        block->output(s);
    for (const VTSIM::RuntimeBlock* block : compiled.dynamicBlocks)
        block->derivatives(s);
    return e;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), sizeof(double) * a.size()) == 0;
}

std::vector<std::optional<Shape>> shapesOf(const VTSIM::EvaluationPlan& plan) {
    std::vector<std::optional<Shape>> shapes;
    for (const auto& step : plan.summary())
        shapes.push_back(step.shape);
    return shapes;
}

// Every scalar shape and blocks the plan calls one by one, mixed over four levels: scalar and
// vector gains, sums of every sign pair and of three inputs, plain, limited and vector
// integrators, a sine, a product. The batches must give what the blocks give, bit for bit.
TEST(EvaluationPlan, BatchesComputeWhatTheBlocksComputeToTheBit) {
    SimModelBuilder m;
    auto c = m.add("Constant", "C", {{"Value", "1.5"}});
    auto v = m.add("Constant", "V", {{"Value", "[1 2]"}});
    auto sine = m.add("Sine", "S", {{"Amplitude", "2"}, {"Frequency", "3"}, {"Phase", "0.1"}});
    auto i1 = m.add("Integrator", "I1", {{"InitialCondition", "0.25"}});
    auto i2 = m.add("Integrator", "I2",
                    {{"InitialCondition", "0.5"}, {"UpperLimit", "1"}, {"LowerLimit", "-1"}});
    auto i3 = m.add("Integrator", "I3", {{"InitialCondition", "[0.1 0.2]"}});
    auto i4 = m.add("Integrator", "I4", {{"InitialCondition", "-0.125"}});
    auto g1 = m.add("Gain", "G1", {{"Gain", "2.5"}});
    auto g2 = m.add("Gain", "G2", {{"Gain", "[2 3]"}});
    auto g3 = m.add("Gain", "G3", {{"Gain", "-0.75"}});
    auto plus = m.add("Sum", "P", {{"Inputs", "++"}});
    auto minus = m.add("Sum", "M", {{"Inputs", "+-"}});
    auto swapped = m.add("Sum", "N", {{"Inputs", "-+"}});
    auto negated = m.add("Sum", "W", {{"Inputs", "--"}});
    auto three = m.add("Sum", "T", {{"Inputs", "+-+"}});
    m.growPorts(three, VTQUILL::kInPort, 3);
    auto ratio = m.add("Product", "R", {{"Inputs", "*/"}});
    m.fan(i1, {{g1, 1}, {negated, 2}});
    m.wire(v, g2);
    m.fan(sine, {{plus, 2}, {three, 3}, {g3, 1}});
    m.wire(g1, plus, 1, 1);
    m.wire(plus, minus, 1, 1);
    m.fan(i2, {{minus, 2}, {i4, 1}});
    m.fan(minus, {{swapped, 1}, {i2, 1}});
    m.fan(c, {{swapped, 2}, {three, 2}, {ratio, 2}});
    m.wire(swapped, negated, 1, 1);
    m.fan(negated, {{three, 1}, {i1, 1}});
    m.wire(three, ratio, 1, 1);
    m.wire(g2, i3);
    m.wire(g3, m.add("Scope", "Y1"));
    m.wire(ratio, m.add("Scope", "Y2"));
    auto compiled = m.compile();

    const std::vector<double> x = somePoint(compiled->stateCount);
    const Evaluation batched = byPlan(*compiled, x, 0.375);
    const Evaluation called = blockByBlock(*compiled, x, 0.375);
    EXPECT_TRUE(sameBits(batched.signals, called.signals));
    EXPECT_TRUE(sameBits(batched.dx, called.dx));

    // One batch per shape and level: the two differences are on two levels.
    const std::vector<std::optional<Shape>> shapes = shapesOf(compiled->plan);
    const std::vector<std::pair<Shape, int>> batches = {
        {Shape::Fixed, 1}, {Shape::State, 1},      {Shape::Scaled, 1},
        {Shape::Sum, 1},   {Shape::Difference, 2}, {Shape::WeightedPair, 1}};
    for (const auto& [shape, count] : batches)
        EXPECT_EQ(std::count(shapes.begin(), shapes.end(), shape), count)
            << "shape " << static_cast<int>(shape);
    // The levels keep every block after the blocks feeding it: G1, P, M, N, W.
    const auto first = [&](Shape shape) {
        return std::find(shapes.begin(), shapes.end(), shape) - shapes.begin();
    };
    const auto last = [&](Shape shape) {
        return shapes.rend() - std::find(shapes.rbegin(), shapes.rend(), shape) - 1;
    };
    EXPECT_LT(first(Shape::Scaled), first(Shape::Sum));
    EXPECT_LT(first(Shape::Sum), first(Shape::Difference));
    EXPECT_LT(last(Shape::Difference), first(Shape::WeightedPair));
    // A limited integrator keeps states the plan cannot find among the outputs.
    EXPECT_FALSE(compiled->plan.stateMirror());
}

// With plain integrators only, the integrators' outputs hold every state in order (the run
// knows from them the point its outputs were computed at), and every block of a stage of the
// chain is in one batch of its shape.
TEST(EvaluationPlan, PlainIntegratorsMirrorTheStatesInTheirOutputs) {
    SimModelBuilder m;
    constexpr int kStages = 5;
    const VTQUILL::Block source = m.add("Constant", "C", {{"Value", "2"}});
    std::vector<VTQUILL::Block> gains, sums, states;
    for (int k = 0; k < kStages; ++k) {
        const std::string n = std::to_string(k);
        gains.push_back(m.add("Gain", "G" + n, {{"Gain", std::to_string(k + 1)}}));
        sums.push_back(m.add("Sum", "S" + n, {{"Inputs", "+-"}}));
        states.push_back(m.add("Integrator", "I" + n, {{"InitialCondition", n}}));
    }
    m.wire(source, gains[0]);
    for (int k = 0; k < kStages; ++k) {
        m.wire(gains[k], sums[k], 1, 1);
        m.wire(sums[k], states[k]);
        if (k + 1 < kStages)
            m.fan(states[k], {{sums[k], 2}, {gains[k + 1], 1}});
        else
            m.wire(states[k], sums[k], 1, 2);
    }
    auto compiled = m.compile();
    const std::vector<double> x = somePoint(compiled->stateCount);
    const Evaluation batched = byPlan(*compiled, x, 0);

    const std::optional<int> mirror = compiled->plan.stateMirror();
    ASSERT_TRUE(mirror);
    for (int k = 0; k < kStages; ++k)
        EXPECT_EQ(batched.signals[*mirror + k], x[k]) << k;
    EXPECT_TRUE(sameBits(batched.signals, blockByBlock(*compiled, x, 0).signals));
    for (const auto& step : compiled->plan.summary()) {
        ASSERT_TRUE(step.shape);
        EXPECT_EQ(step.blocks, *step.shape == Shape::Fixed ? 1 : kStages);
    }
}

}  // namespace
