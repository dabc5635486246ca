// Random linear diagrams of gains, sums, integrators and transfer functions run by the engine
// give the signals of their state-space form, built here independently of it and integrated
// with a fine classic Runge-Kutta.
#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <cmath>
#include <sstream>

#include "SimModelBuilder.h"

namespace {

using SimTest::SimModelBuilder;

// One stage of a chain: its input is the previous stage's output plus, optionally, a gain
// times the output of a stage with states further on (feedback without algebraic loops).
struct Stage {
    enum class Kind { Gain, Integrator, Lag, SecondOrder } kind;
    double p1 = 0, p2 = 0, p3 = 0;  // gain | initial condition | b, a | b1, b0, a1 (a0 = p2+1)
    int feedbackFrom = -1;          // a stage with states, or -1
    double feedbackGain = 0;
    bool hasStates() const { return kind != Kind::Gain; }
};

rc::Gen<double> coefficient() {
    return rc::gen::map(rc::gen::inRange(-16, 17), [](int v) { return v / 8.0; });
}

rc::Gen<Stage> stage() {
    return rc::gen::apply(
        [](int kind, double a, double b, double c) {
            Stage s;
            s.kind = static_cast<Stage::Kind>(kind);
            s.p1 = a;
            s.p2 = std::abs(b) + 0.25;
            s.p3 = c;
            return s;
        },
        rc::gen::inRange(0, 4), coefficient(), coefficient(), coefficient());
}

std::string number(double v) {
    std::ostringstream out;
    out.precision(17);
    out << v;
    return out.str();
}

// The chain's own evaluation: outputs of the stages with states from their states, then
// each stage in order; writes dx when asked. States: integrator 1, lag 1, second order 2
// (observable form: x1' = -a1 x1 + x2 + b1 u, x2' = -a0 x1 + b0 u, y = x1).
struct Chain {
    std::vector<Stage> stages;
    std::vector<int> offset;
    int states = 0;

    explicit Chain(std::vector<Stage> s) : stages(std::move(s)) {
        for (const Stage& st : stages) {
            offset.push_back(states);
            states += st.kind == Stage::Kind::Gain          ? 0
                      : st.kind == Stage::Kind::SecondOrder ? 2
                                                            : 1;
        }
    }
    // Output of the last stage; dx may be null.
    double evaluate(double u, const std::vector<double>& x, double* dx) const {
        std::vector<double> y(stages.size(), 0.0);
        for (std::size_t i = 0; i < stages.size(); ++i) {
            const Stage& s = stages[i];
            const double* xi = x.data() + offset[i];
            if (s.kind == Stage::Kind::Integrator)
                y[i] = xi[0];
            else if (s.kind == Stage::Kind::Lag)
                y[i] = s.p1 * xi[0];
            else if (s.kind == Stage::Kind::SecondOrder)
                y[i] = xi[0];
        }
        double previous = u;
        for (std::size_t i = 0; i < stages.size(); ++i) {
            const Stage& s = stages[i];
            double in = previous;
            if (s.feedbackFrom >= 0)
                in += s.feedbackGain * y[s.feedbackFrom];
            const double* xi = x.data() + offset[i];
            double* di = dx ? dx + offset[i] : nullptr;
            switch (s.kind) {
                case Stage::Kind::Gain:
                    y[i] = s.p1 * in;
                    break;
                case Stage::Kind::Integrator:
                    if (di)
                        di[0] = in;
                    break;
                case Stage::Kind::Lag:  // p1 / (s + p2)
                    if (di)
                        di[0] = -s.p2 * xi[0] + in;
                    break;
                case Stage::Kind::SecondOrder:  // (p1 s + p3) / (s^2 + p2 s + (p2 + 1))
                    if (di) {
                        di[0] = -s.p2 * xi[0] + xi[1] + s.p1 * in;
                        di[1] = -(s.p2 + 1) * xi[0] + s.p3 * in;
                    }
                    break;
            }
            previous = y[i];
        }
        return previous;
    }
};

// x' = A x + B u, y = C x + D u, probed column by column from the chain's evaluation (it is
// linear in x and u).
struct StateSpace {
    int n;
    std::vector<double> a, b, c;
    double d;
    explicit StateSpace(const Chain& chain) : n(chain.states) {
        std::vector<double> x(n, 0.0), dx(n, 0.0);
        a.assign(n * n, 0.0);
        c.assign(n, 0.0);
        for (int k = 0; k < n; ++k) {
            std::fill(x.begin(), x.end(), 0.0);
            x[k] = 1;
            c[k] = chain.evaluate(0, x, dx.data());
            for (int r = 0; r < n; ++r)
                a[r * n + k] = dx[r];
        }
        std::fill(x.begin(), x.end(), 0.0);
        b.assign(n, 0.0);
        d = chain.evaluate(1, x, b.data());
    }
    void derivative(const std::vector<double>& x, double u, std::vector<double>& dx) const {
        for (int r = 0; r < n; ++r) {
            double sum = b[r] * u;
            for (int k = 0; k < n; ++k)
                sum += a[r * n + k] * x[k];
            dx[r] = sum;
        }
    }
    double output(const std::vector<double>& x, double u) const {
        double y = d * u;
        for (int k = 0; k < n; ++k)
            y += c[k] * x[k];
        return y;
    }
};

// Builds the chain as a diagram: Sine -> stages -> Scope "Y".
void build(SimModelBuilder& m, const Chain& chain) {
    std::vector<VTQUILL::Block> outputs, inputs;
    for (std::size_t i = 0; i < chain.stages.size(); ++i) {
        const Stage& s = chain.stages[i];
        const std::string name = "S" + std::to_string(i);
        VTQUILL::Block b;
        switch (s.kind) {
            case Stage::Kind::Gain:
                b = m.add("Gain", name, {{"Gain", number(s.p1)}});
                break;
            case Stage::Kind::Integrator:
                b = m.add("Integrator", name, {{"InitialCondition", "0"}});
                break;
            case Stage::Kind::Lag:
                b = m.add("Transfer Function", name,
                          {{"Numerator", number(s.p1)}, {"Denominator", "s+" + number(s.p2)}});
                break;
            case Stage::Kind::SecondOrder:
                b = m.add("Transfer Function", name,
                          {{"Numerator", "[" + number(s.p1) + " " + number(s.p3) + "]"},
                           {"Denominator", "s^2+" + number(s.p2) + "*s+" + number(s.p2 + 1)}});
                break;
        }
        VTQUILL::Block in = b;
        if (s.feedbackFrom >= 0) {
            in = m.add("Sum", "In" + std::to_string(i), {{"Inputs", "++"}});
            m.wire(in, b);
        }
        inputs.push_back(in);
        outputs.push_back(b);
    }
    // Each output drives the next stage's input (port 1) and the feedbacks that read it.
    std::vector<std::vector<std::pair<VTQUILL::Block, int>>> targets(chain.stages.size());
    for (std::size_t i = 0; i < chain.stages.size(); ++i) {
        const Stage& s = chain.stages[i];
        if (s.feedbackFrom >= 0) {
            auto gain = m.add("Gain", "F" + std::to_string(i), {{"Gain", number(s.feedbackGain)}});
            m.wire(gain, inputs[i], 1, 2);
            targets[s.feedbackFrom].emplace_back(gain, 1);
        }
    }
    m.wire(m.add("Sine", "U", {{"Frequency", "2"}, {"Bias", "0.5"}}), inputs.front());
    for (std::size_t i = 0; i < chain.stages.size(); ++i) {
        auto& t = targets[i];
        t.emplace_back(i + 1 < chain.stages.size() ? inputs[i + 1] : m.add("Scope", "Y"), 1);
        m.fan(outputs[i], t);
    }
}

RC_GTEST_PROP(LinearDiagramProperty, RunsAsItsStateSpaceForm, ()) {
    std::vector<Stage> stages =
        *rc::gen::container<std::vector<Stage>>(*rc::gen::inRange<std::size_t>(1, 6), stage());
    for (std::size_t i = 0; i < stages.size(); ++i) {
        const int later = *rc::gen::inRange<int>(-1, static_cast<int>(stages.size()));
        if (later >= static_cast<int>(i) && stages[later].hasStates()) {
            stages[i].feedbackFrom = later;
            stages[i].feedbackGain = *coefficient();
        }
    }
    const Chain chain(stages);
    const StateSpace ss(chain);

    SimModelBuilder m;
    build(m, chain);
    VTSIM::SimulationSettings settings;
    settings.solver = VTSIM::Solver::Dopri5;
    settings.stopTime = 2;
    settings.relTol = 1e-10;
    settings.absTol = 1e-12;
    settings.outputStep = 0.25;
    auto run = m.run(settings);

    // The reference: classic Runge-Kutta with a step of 1/1024 over the same input.
    const auto u = [](double t) { return std::sin(2 * t) + 0.5; };
    std::vector<double> x(ss.n, 0.0), k1(ss.n), k2(ss.n), k3(ss.n), k4(ss.n), tmp(ss.n);
    const double h = 1.0 / 1024;
    std::size_t sample = 0;
    const auto& r = *run.results;
    for (int step = 0; step <= 2048; ++step) {
        const double t = step * h;
        if (step % 256 == 0) {
            while (sample < r.size() && !r.isRequested(sample))
                ++sample;
            RC_ASSERT(sample < r.size());
            RC_ASSERT(r.time(sample) == t);
            const double expected = ss.output(x, u(t));
            RC_ASSERT(std::abs(r.value(0, sample) - expected) <= 1e-6 * (1 + std::abs(expected)));
            ++sample;
        }
        ss.derivative(x, u(t), k1);
        for (int i = 0; i < ss.n; ++i)
            tmp[i] = x[i] + h / 2 * k1[i];
        ss.derivative(tmp, u(t + h / 2), k2);
        for (int i = 0; i < ss.n; ++i)
            tmp[i] = x[i] + h / 2 * k2[i];
        ss.derivative(tmp, u(t + h / 2), k3);
        for (int i = 0; i < ss.n; ++i)
            tmp[i] = x[i] + h * k3[i];
        ss.derivative(tmp, u(t + h), k4);
        for (int i = 0; i < ss.n; ++i)
            x[i] += h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
    }
}

}  // namespace
