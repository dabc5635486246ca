#include "sim/Simulator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "SimModelBuilder.h"
#include "sim/RunThread.h"

namespace {

using SimTest::SimModelBuilder;
using VTSIM::SimulationSettings;
using VTSIM::Solver;

SimulationSettings tight(Solver solver, double stop, double outputStep = 0) {
    SimulationSettings s;
    s.solver = solver;
    s.stopTime = stop;
    s.relTol = 1e-8;
    s.absTol = 1e-10;
    s.outputStep = outputStep;
    return s;
}

class VariableStepSolvers : public ::testing::TestWithParam<Solver> {};

TEST_P(VariableStepSolvers, AFirstOrderLagFollowsItsClosedFormStepResponse) {
    SimModelBuilder m;
    const double tau = 0.5;
    auto step = m.add("Step", "U", {{"Time", "0"}});
    auto lag = m.add("Transfer Function", "G", {{"Numerator", "1"}, {"Denominator", "0.5*s+1"}});
    m.wire(step, lag);
    m.wire(lag, m.add("Scope", "Y"));
    auto run = m.run(tight(GetParam(), 5, 0.1));
    const auto& r = *run.results;
    int checked = 0;
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (!r.isRequested(i))
            continue;
        const double t = r.time(i);
        EXPECT_NEAR(r.value(0, i), 1 - std::exp(-t / tau), 2e-7) << "t = " << t;
        ++checked;
    }
    EXPECT_EQ(checked, 51);
}

INSTANTIATE_TEST_SUITE_P(Engine, VariableStepSolvers,
                         ::testing::Values(Solver::Dopri5, Solver::Bdf, Solver::Adams));

TEST(Simulator, AHarmonicOscillatorKeepsItsEnergyOverAHundredPeriods) {
    SimModelBuilder m;
    const double w = 2.0;
    auto velocity = m.add("Integrator", "V", {{"InitialCondition", "0"}});
    auto position = m.add("Integrator", "X", {{"InitialCondition", "1"}});
    auto spring = m.add("Gain", "K", {{"Gain", "-4"}});
    auto scope = m.add("Scope", "S");
    auto vScope = m.add("Scope", "T");
    m.fan(velocity, {{position, 1}, {vScope, 1}});
    m.fan(position, {{spring, 1}, {scope, 1}});
    m.wire(spring, velocity);
    const double period = 2 * M_PI / w;
    auto run = m.run(tight(Solver::Dopri5, 100 * period));
    const double x = run.last("m/S:1"), v = run.last("m/T:1");
    const double energy = 0.5 * v * v + 0.5 * w * w * x * x;
    EXPECT_NEAR(energy, 0.5 * w * w, 1e-5 * w * w);
    EXPECT_NEAR(x, 1.0, 1e-5);  // back where it started after whole periods
}

// H(s) = (2s + 3) / ((s + 1)(s + 2)) in observable form, built from integrators:
//   x1' = -3 x1 + x2 + 2 u,  x2' = -2 x1 + 3 u,  y = x1.
TEST(Simulator, ATransferFunctionMatchesTheSameSystemBuiltFromIntegrators) {
    SimModelBuilder m;
    auto u = m.add("Sine", "U", {{"Frequency", "3"}});
    auto tf =
        m.add("Transfer Function", "H", {{"Numerator", "2*s+3"}, {"Denominator", "(s+1)*(s+2)"}});
    auto x1 = m.add("Integrator", "X1");
    auto x2 = m.add("Integrator", "X2");
    auto a1 = m.add("Gain", "A1", {{"Gain", "-3"}});
    auto a2 = m.add("Gain", "A2", {{"Gain", "-2"}});
    auto b1 = m.add("Gain", "B1", {{"Gain", "2"}});
    auto b2 = m.add("Gain", "B2", {{"Gain", "3"}});
    auto sa = m.add("Sum", "Sa"), sb = m.add("Sum", "Sb"), sc = m.add("Sum", "Sc");
    m.fan(u, {{tf, 1}, {b1, 1}, {b2, 1}});
    m.wire(tf, m.add("Scope", "Y"));
    m.fan(x1, {{a1, 1}, {a2, 1}, {m.add("Scope", "Z"), 1}});
    m.wire(a1, sa, 1, 1);
    m.wire(x2, sa, 1, 2);
    m.wire(sa, sb, 1, 1);
    m.wire(b1, sb, 1, 2);
    m.wire(sb, x1);
    m.wire(a2, sc, 1, 1);
    m.wire(b2, sc, 1, 2);
    m.wire(sc, x2);
    auto run = m.run(tight(Solver::Dopri5, 10, 0.25));
    const auto& r = *run.results;
    const std::size_t y = run.column("m/Y:1"), z = run.column("m/Z:1");
    for (std::size_t i = 0; i < r.size(); ++i)
        ASSERT_NEAR(r.value(y, i), r.value(z, i), 1e-7) << "t = " << r.time(i);
    EXPECT_GT(std::abs(run.last("m/Y:1")), 0.05);  // the signal is not trivially 0
}

TEST(Simulator, AStepJumpsExactlyAtItsTimeAndTheRowThereShowsTheValueAfter) {
    SimModelBuilder m;
    auto step = m.add("Step", "U", {{"Time", "1.2345"}, {"Before", "-1"}, {"After", "2"}});
    m.wire(step, m.add("Display", "D"));
    auto run = m.run(tight(Solver::Dopri5, 3));
    const auto& r = *run.results;
    std::size_t at = r.size();
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (r.time(i) == 1.2345)
            at = i;
    }
    ASSERT_LT(at, r.size());
    EXPECT_EQ(r.value(0, at), 2);
    EXPECT_EQ(r.value(0, at - 1), -1);
    EXPECT_LT(r.time(at - 1), 1.2345);
}

TEST(Simulator, ASwitchEventIsLocatedToATenthOfANanosecond) {
    SimModelBuilder m;
    auto one = m.add("Constant", "One");
    auto ramp = m.add("Integrator", "Ramp");
    auto high = m.add("Constant", "High", {{"Value", "5"}});
    auto low = m.add("Constant", "Low", {{"Value", "-5"}});
    auto sw = m.add("Switch", "Sw", {{"Threshold", "2.5"}, {"Criteria", "u2 > threshold"}});
    m.wire(one, ramp);
    m.wire(high, sw, 1, 1);
    m.wire(ramp, sw, 1, 2);
    m.wire(low, sw, 1, 3);
    m.wire(sw, m.add("Scope", "S"));
    auto run = m.run(tight(Solver::Dopri5, 4));
    const auto& r = *run.results;
    std::size_t first = 0;
    while (first < r.size() && r.value(0, first) != 5)
        ++first;
    ASSERT_LT(first, r.size());
    EXPECT_NEAR(r.time(first), 2.5, 1e-10);
    EXPECT_EQ(r.value(0, first - 1), -5);
}

TEST(Simulator, ALimitedIntegratorIsHeldWhileItsInputPushesOutwardAndReleasedAfter) {
    SimModelBuilder m;
    auto u = m.add("Sine", "U");
    auto x = m.add("Integrator", "X", {{"UpperLimit", "1"}, {"LowerLimit", "-0.5"}});
    m.wire(u, x);
    m.wire(x, m.add("Scope", "S"));
    auto run = m.run(tight(Solver::Dopri5, 7.5, 0.5));
    // x = 1 - cos t until it meets 1 at pi/2; held until sin t turns at pi; then -cos t until
    // it meets -0.5 at 5pi/3; held until 2pi; then 0.5 - cos t.
    const auto expected = [](double t) {
        if (t <= M_PI / 2)
            return 1 - std::cos(t);
        if (t <= M_PI)
            return 1.0;
        if (t <= 5 * M_PI / 3)
            return -std::cos(t);
        if (t <= 2 * M_PI)
            return -0.5;
        return 0.5 - std::cos(t);
    };
    for (const double t : {1.0, 2.0, 3.0, 4.0, 5.0, 5.5, 6.0, 7.0, 7.5})
        EXPECT_NEAR(run.at("m/S:1", t), expected(t), 1e-6) << "t = " << t;
}

TEST(Simulator, RequestedOutputTimesAreMultiplesOfTheStepAndTheStopTime) {
    SimModelBuilder m;
    auto ramp = m.add("Integrator", "R");
    m.wire(m.add("Constant", "C"), ramp);
    m.wire(ramp, m.add("Scope", "S"));
    auto run = m.run(tight(Solver::Rk4, 1, 0.3));
    std::vector<double> times, values;
    for (std::size_t i = 0; i < run.results->size(); ++i) {
        if (run.results->isRequested(i)) {
            times.push_back(run.results->time(i));
            values.push_back(run.results->value(0, i));
        }
    }
    EXPECT_EQ(times, (std::vector<double>{0, 0.3, 0.6, 3 * 0.3, 1}));
    for (std::size_t i = 0; i < times.size(); ++i)
        EXPECT_NEAR(values[i], times[i], 1e-12);  // rk4 integrates a ramp exactly
}

// x' = -x from 1: the error at t = 1 against e^-1 for a fixed step.
double decayError(Solver solver, double step) {
    SimModelBuilder m;
    auto x = m.add("Integrator", "X", {{"InitialCondition", "1"}});
    auto k = m.add("Gain", "K", {{"Gain", "-1"}});
    m.fan(x, {{k, 1}, {m.add("Scope", "S"), 1}});
    m.wire(k, x);
    SimulationSettings settings = tight(solver, 1);
    settings.fixedStep = step;
    return std::abs(m.run(settings).last("m/S:1") - std::exp(-1.0));
}

TEST(Simulator, FixedStepMethodsConvergeAtTheirOrder) {
    const double rk4 = decayError(Solver::Rk4, 0.1) / decayError(Solver::Rk4, 0.05);
    EXPECT_GT(rk4, 14.5);  // halving the step divides the error by 2^4
    EXPECT_LT(rk4, 17.5);
    const double euler = decayError(Solver::Euler, 0.01) / decayError(Solver::Euler, 0.005);
    EXPECT_GT(euler, 1.9);
    EXPECT_LT(euler, 2.1);
}

TEST(Simulator, AFixedStepSolverLocatesASwitchEventInsideAStep) {
    SimModelBuilder m;
    auto ramp = m.add("Integrator", "Ramp");
    auto sw = m.add("Switch", "Sw", {{"Threshold", "0.25"}});
    m.wire(m.add("Constant", "One"), ramp);
    m.wire(m.add("Constant", "High", {{"Value", "5"}}), sw, 1, 1);
    m.wire(ramp, sw, 1, 2);
    m.wire(m.add("Constant", "Low", {{"Value", "-5"}}), sw, 1, 3);
    m.wire(sw, m.add("Scope", "S"));
    SimulationSettings settings = tight(Solver::Rk4, 1);
    settings.fixedStep = 0.1;
    auto run = m.run(settings);
    const auto& r = *run.results;
    std::size_t first = 0;
    while (first < r.size() && r.value(0, first) != 5)
        ++first;
    ASSERT_LT(first, r.size());
    EXPECT_NEAR(r.time(first), 0.25, 1e-12);
    EXPECT_EQ(r.value(0, first - 1), -5);
    EXPECT_NEAR(r.time(first + 1), 0.35, 1e-12);  // the fixed steps go on from the event
}

// Plain integrators hold every state in their outputs, and rk4 writes its stage states right
// there (the run's stage buffer) instead of having them copied in. The run must still step the
// system rk4 steps it: x1' = 1 - x1, x2' = 2 x1 - x2, stepped here by the same arithmetic.
TEST(Simulator, RkFourStagesWrittenIntoTheIntegratorsOutputsGiveTheRkFourSteps) {
    SimModelBuilder m;
    auto one = m.add("Constant", "C", {{"Value", "1"}});
    auto x1 = m.add("Integrator", "X1", {{"InitialCondition", "0.25"}});
    auto x2 = m.add("Integrator", "X2", {{"InitialCondition", "-0.5"}});
    auto g1 = m.add("Gain", "G1", {{"Gain", "1"}});
    auto g2 = m.add("Gain", "G2", {{"Gain", "2"}});
    auto s1 = m.add("Sum", "S1", {{"Inputs", "+-"}});
    auto s2 = m.add("Sum", "S2", {{"Inputs", "+-"}});
    m.wire(one, g1);
    m.wire(g1, s1, 1, 1);
    m.wire(s1, x1);
    m.fan(x1, {{s1, 2}, {g2, 1}, {m.add("Scope", "Y1"), 1}});
    m.wire(g2, s2, 1, 1);
    m.wire(s2, x2);
    m.fan(x2, {{s2, 2}, {m.add("Scope", "Y2"), 1}});
    SimulationSettings settings = tight(Solver::Rk4, 1);
    settings.fixedStep = 0.125;
    auto run = m.run(settings);
    ASSERT_TRUE(run.compiled->plan.stateMirror());

    const auto f = [](const double* x, double* dx) {
        dx[0] = 1.0 * 1.0 - x[0];
        dx[1] = 2.0 * x[0] - x[1];
    };
    double x[2] = {0.25, -0.5};
    for (int step = 0; step < 8; ++step) {
        const double h = 0.125;
        double k1[2], k2[2], k3[2], k4[2], stage[2];
        f(x, k1);
        for (int i = 0; i < 2; ++i)
            stage[i] = x[i] + h / 2 * k1[i];
        f(stage, k2);
        for (int i = 0; i < 2; ++i)
            stage[i] = x[i] + h / 2 * k2[i];
        f(stage, k3);
        for (int i = 0; i < 2; ++i)
            stage[i] = x[i] + h * k3[i];
        f(stage, k4);
        for (int i = 0; i < 2; ++i)
            x[i] = x[i] + h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
    }
    EXPECT_EQ(run.last("m/Y1:1"), x[0]);
    EXPECT_EQ(run.last("m/Y2:1"), x[1]);
    // Both near the closed form x1 = 1 - 0.75 e^-t at t = 1.
    EXPECT_NEAR(run.last("m/Y1:1"), 1 - 0.75 * std::exp(-1.0), 1e-6);
}

TEST(Simulator, TheLastFixedStepIsShortenedToLandOnTheStopTime) {
    SimModelBuilder m;
    auto ramp = m.add("Integrator", "R");
    m.wire(m.add("Constant", "C"), ramp);
    m.wire(ramp, m.add("Scope", "S"));
    SimulationSettings settings = tight(Solver::Euler, 1.1);
    settings.fixedStep = 0.25;
    auto run = m.run(settings);
    std::vector<double> times;
    for (std::size_t i = 0; i < run.results->size(); ++i)
        times.push_back(run.results->time(i));
    EXPECT_EQ(times, (std::vector<double>{0, 0.25, 0.5, 0.75, 1, 1.1}));
    EXPECT_NEAR(run.last("m/S:1"), 1.1, 1e-12);  // euler integrates a constant exactly
}

TEST(Simulator, AValueThatIsNotFiniteStopsTheRunAtTheBlockThatMadeIt) {
    SimModelBuilder m;
    auto x = m.add("Integrator", "X", {{"InitialCondition", "1"}});
    auto square = m.add("Product", "Square", {{"Inputs", "**"}});
    m.fan(x, {{square, 1}, {square, 2}});
    m.wire(square, x);  // x' = x^2 blows up at t = 1
    m.wire(m.add("Gain", "Huge", {{"Gain", "1e300"}}), m.add("Scope", "S"));
    try {
        m.run(tight(Solver::Dopri5, 2));
        FAIL() << "the run went on";
    } catch (const VTSIM::SimulationError& e) {
        ASSERT_EQ(e.diagnostics().size(), 1u);
        const auto& blocks = e.diagnostics()[0].blocks;
        EXPECT_TRUE(blocks == std::vector<std::string>{"m/Square"} ||
                    blocks == std::vector<std::string>{"m/X"})
            << e.what();
        EXPECT_GT(e.diagnostics()[0].time, 0.9) << e.what();
    }
}

TEST(Simulator, AStoppedRunKeepsWhatItLogged) {
    SimModelBuilder m;
    auto ramp = m.add("Integrator", "R");
    m.wire(m.add("Constant", "C", {{"Value", "2"}}), ramp);
    m.wire(ramp, m.add("Scope", "S"));
    auto compiled = m.compile();
    VTSIM::SimulationResults results(compiled->columnNames);
    SimulationSettings settings = tight(Solver::Euler, 1e9);
    settings.fixedStep = 1e-3;
    VTSIM::RunOutcome outcome;
    VTSIM::RunThread thread;
    thread.start([&](VTSIM::RunControl& control) {
        outcome = VTSIM::Simulator(*compiled, settings, results, &control).run();
    });
    while (results.size() < 1000)
        std::this_thread::yield();
    thread.control().stop();
    thread.wait();
    EXPECT_EQ(thread.state(), VTSIM::RunThread::State::Stopped);
    EXPECT_TRUE(outcome.stopped);
    ASSERT_GE(results.size(), 1000u);
    EXPECT_LT(outcome.endTime, 1e9);
    for (std::size_t i = 0; i < results.size(); ++i)
        ASSERT_NEAR(results.value(0, i), 2 * results.time(i), 1e-9) << i;
}

TEST(Simulator, ADivisionByZeroStopsTheRunAtItsBlock) {
    SimModelBuilder m;
    auto divide = m.add("Product", "Ratio", {{"Inputs", "*/"}});
    auto ramp = m.add("Integrator", "R", {{"InitialCondition", "-1"}});
    m.wire(m.add("Constant", "C"), ramp);
    m.wire(m.add("Constant", "N"), divide, 1, 1);
    m.wire(m.add("Constant", "Z", {{"Value", "0"}}), divide, 1, 2);
    m.wire(divide, m.add("Scope", "S"));
    try {
        m.run(tight(Solver::Dopri5, 2));
        FAIL() << "the run went on";
    } catch (const VTSIM::SimulationError& e) {
        ASSERT_EQ(e.diagnostics().size(), 1u);
        EXPECT_EQ(e.diagnostics()[0].blocks, std::vector<std::string>{"m/Ratio"});
        EXPECT_NE(std::string(e.what()).find("division by zero at t = 0"), std::string::npos)
            << e.what();
    }
}

}  // namespace
