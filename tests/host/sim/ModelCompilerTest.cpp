#include "sim/ModelCompiler.h"

#include <gtest/gtest.h>

#include <set>

#include "SimModelBuilder.h"

namespace {

using SimTest::SimModelBuilder;
using VTSIM::Diagnostic;

// The diagnostics of a compile that must fail.
std::vector<Diagnostic> errorsOf(SimModelBuilder& m, const VTSIM::ParameterOverrides& o = {}) {
    try {
        m.compile(o);
    } catch (const VTSIM::SimulationError& e) {
        return e.diagnostics();
    }
    ADD_FAILURE() << "the model compiled";
    return {};
}

std::vector<Diagnostic> onlyErrors(const std::vector<Diagnostic>& all) {
    std::vector<Diagnostic> errors;
    for (const Diagnostic& d : all) {
        if (d.isError())
            errors.push_back(d);
    }
    return errors;
}

VTSIM::SimulationSettings quick(double stop = 1) {
    VTSIM::SimulationSettings s;
    s.stopTime = stop;
    s.solver = VTSIM::Solver::Rk4;
    s.fixedStep = 0.01;
    return s;
}

TEST(ModelCompiler, AnAlgebraicLoopThroughASubsystemNamesEveryBlockOfTheCycleInside) {
    SimModelBuilder m;
    auto sum = m.add("Sum", "Add");
    auto sub = m.subsystem(m.top(), "Subsystem", "Sub", 1, 1);
    auto inner = m.addIn(sub.getSubsystemDiagram(), "Gain", "G", {{"Gain", "0.5"}});
    m.wire(m.inputOf(sub, 1), inner);
    m.wire(inner, m.outputOf(sub, 1));
    m.wire(m.add("Constant", "C"), sum, 1, 1);
    m.fan(sub, {{sum, 2}, {m.add("Scope", "S"), 1}});
    m.wire(sum, sub);
    // A loop broken by an integrator is no algebraic loop.
    auto i = m.add("Integrator", "I");
    auto k = m.add("Gain", "K");
    m.wire(i, k);
    m.wire(k, i);
    const auto errors = onlyErrors(errorsOf(m));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(std::set<std::string>(errors[0].blocks.begin(), errors[0].blocks.end()),
              (std::set<std::string>{"m/Add", "m/Sub/G"}));
    EXPECT_NE(errors[0].message.find("algebraic loop"), std::string::npos);
}

TEST(ModelCompiler, AWidthMismatchNamesTheBlockThatCannotTakeIt) {
    SimModelBuilder m;
    auto mux = m.add("Mux", "M");
    m.wire(m.add("Constant", "Pair", {{"Value", "[1 2]"}}), mux, 1, 1);
    m.wire(m.add("Constant", "One", {{"Value", "3"}}), mux, 1, 2);
    auto gain = m.add("Gain", "G", {{"Gain", "[1 2]"}});
    m.wire(mux, gain);
    m.wire(gain, m.add("Scope", "S"));
    const auto errors = onlyErrors(errorsOf(m));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].blocks, std::vector<std::string>{"m/G"});
    EXPECT_NE(errors[0].message.find("widths 2 and 3"), std::string::npos) << errors[0].message;
}

TEST(ModelCompiler, AParameterThatDoesNotEvaluateNamesTextBlockParameterAndPosition) {
    SimModelBuilder m;
    auto gain = m.add("Gain", "Amp", {{"Gain", "2*Kq"}});
    m.wire(m.add("Constant", "C"), gain);
    m.wire(gain, m.add("Scope", "S"));
    auto bad = m.add("Sum", "Signs", {{"Inputs", "+*"}});
    m.wire(bad, m.add("Display", "D"));
    const auto errors = onlyErrors(errorsOf(m));
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].message.rfind("m/Amp: parameter Gain = \"2*Kq\" does not evaluate at "
                                      "character 3: ",
                                      0),
              0u)
        << errors[0].message;
    EXPECT_NE(errors[0].message.find("Kq"), std::string::npos);
    EXPECT_EQ(errors[1].blocks, std::vector<std::string>{"m/Signs"});
}

TEST(ModelCompiler, MaskParametersAreScopedInnermostFirstAndEvaluatedAroundTheirMask) {
    SimModelBuilder m;
    auto outer = m.subsystem(m.top(), "MaskedSubsystem", "Outer", 1, 1,
                             {{"K", "2"}, {"IconText", "this is ((( not parsed"}});
    auto inner = m.subsystem(outer.getSubsystemDiagram(), "MaskedSubsystem", "Inner", 1, 1,
                             {{"K", "K+1"}, {"Unused", "no such name"}});
    auto gain = m.addIn(inner.getSubsystemDiagram(), "Gain", "G", {{"Gain", "K*10"}});
    m.wire(m.inputOf(inner, 1), gain);
    m.wire(gain, m.outputOf(inner, 1));
    m.wire(m.inputOf(outer, 1), inner);
    m.wire(inner, m.outputOf(outer, 1));
    m.wire(m.add("Constant", "C"), outer);
    m.wire(outer, m.add("Display", "D"));
    EXPECT_EQ(m.run(quick()).last("m/D:1"), 30);  // inner K = outer K + 1 = 3
    // An override of the outer mask's K reaches the inner one through its expression.
    EXPECT_EQ(m.run(quick(), {{"m/Outer", {{"K", "4"}}}}).last("m/D:1"), 50);
}

TEST(ModelCompiler, AFaultInAMaskParameterNamesTheMaskAndItsParameter) {
    SimModelBuilder m;
    auto sub = m.subsystem(m.top(), "MaskedSubsystem", "Plant", 1, 1, {{"Tau", "1/*2"}});
    auto gain = m.addIn(sub.getSubsystemDiagram(), "Gain", "G", {{"Gain", "Tau"}});
    m.wire(m.inputOf(sub, 1), gain);
    m.wire(gain, m.outputOf(sub, 1));
    m.wire(sub, m.add("Scope", "S"));
    const auto errors = onlyErrors(errorsOf(m));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].blocks, (std::vector<std::string>{"m/Plant", "m/Plant/G"}));
    EXPECT_EQ(errors[0].message.rfind("m/Plant: parameter Tau = \"1/*2\"", 0), 0u)
        << errors[0].message;
}

TEST(ModelCompiler, BlocksThatCannotRunAreErrorsAndUndrivenInputsWarnAndReadZero) {
    SimModelBuilder m;
    m.add("Resistor", "R1");
    m.add("Chart", "Logic");
    const auto errors = onlyErrors(errorsOf(m));
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].blocks, std::vector<std::string>{"m/R1"});
    EXPECT_EQ(errors[1].blocks, std::vector<std::string>{"m/Logic"});

    SimModelBuilder n("n");
    auto sum = n.add("Sum", "Add", {{"Inputs", "|+-"}});
    n.wire(n.add("Constant", "C", {{"Value", "7"}}), sum, 1, 1);
    n.wire(sum, n.add("Scope", "S"));
    auto run = n.run(quick());
    ASSERT_EQ(run.compiled->warnings.size(), 1u);
    EXPECT_EQ(run.compiled->warnings[0].blocks, std::vector<std::string>{"n/Add"});
    EXPECT_EQ(run.last("n/S:1"), 7);
}

TEST(ModelCompiler, ALineDrivenByTwoOutputsIsAnErrorNamingBoth) {
    SimModelBuilder m;
    auto a = m.add("Constant", "A");
    auto b = m.add("Constant", "B");
    auto scope = m.add("Scope", "S");
    m.fan(a, {{scope, 1}});
    // Join B's output to the same line's joint.
    const VTQUILL::Line line = m.top().getLines().front();
    const VTQUILL::Segment extra = line.addSegment();
    extra.setSrcElement(b.getContained().front());
    extra.setDstElement(line.getSolderJoints().front());
    const auto errors = onlyErrors(errorsOf(m));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].blocks, (std::vector<std::string>{"m/A", "m/B"}));
}

// Constant [1 2] and Constant 3 into a Mux, a gain [1 -1 2], an integrator from [0 10 20],
// then a three-way Demux; returns the Demux.
VTQUILL::Block vectorChain(SimModelBuilder& m) {
    auto mux = m.add("Mux", "M");
    m.wire(m.add("Constant", "A", {{"Value", "[1, 2]"}}), mux, 1, 1);
    m.wire(m.add("Constant", "B", {{"Value", "3"}}), mux, 1, 2);
    auto gain = m.add("Gain", "G", {{"Gain", "[1 -1 2]"}});
    auto integrator = m.add("Integrator", "I", {{"InitialCondition", "[0 10 20]"}});
    auto wide = m.add("Demux", "W", {{"Outputs", "3"}});
    m.growPorts(wide, VTQUILL::kOutPort, 3);
    m.wire(mux, gain);
    m.wire(gain, integrator);
    m.fan(integrator, {{wide, 1}, {m.add("Scope", "All"), 1}});
    return wide;
}

TEST(ModelCompiler, VectorsFlowThroughMuxGainIntegratorAndDemux) {
    SimModelBuilder m;
    m.wire(vectorChain(m), m.add("Display", "Third"), 3, 1);
    auto run = m.run(quick(2));
    EXPECT_EQ(run.compiled->columnNames,
              (std::vector<std::string>{"m/All:1[1]", "m/All:1[2]", "m/All:1[3]", "m/Third:1"}));
    EXPECT_NEAR(run.last("m/All:1[1]"), 2, 1e-12);
    EXPECT_NEAR(run.last("m/All:1[2]"), 10 - 4, 1e-12);
    EXPECT_NEAR(run.last("m/Third:1"), 20 + 12, 1e-12);
}

TEST(ModelCompiler, ADemuxThatCannotSplitItsInputEvenlyIsAWidthMismatch) {
    SimModelBuilder m;
    m.wire(vectorChain(m), m.add("Demux", "D", {{"Outputs", "2"}}), 1, 1);  // a scalar in two
    const auto errors = onlyErrors(errorsOf(m));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].blocks, std::vector<std::string>{"m/D"});
}

TEST(ModelCompiler, AConfigurableSubsystemRunsTheChoiceItNames) {
    SimModelBuilder m;
    auto config =
        m.subsystem(m.top(), "ConfigurableSubsystem", "Pick", 1, 1, {{"Choice", "Triple"}});
    const VTQUILL::Diagram inside = config.getSubsystemDiagram();
    for (const auto& [name, gain] : {std::pair{"Double", "2"}, std::pair{"Triple", "3"}}) {
        auto choice = m.subsystem(inside, "Subsystem", name, 1, 1);
        auto g = m.addIn(choice.getSubsystemDiagram(), "Gain", "G", {{"Gain", gain}});
        m.wire(m.inputOf(choice, 1), g);
        m.wire(g, m.outputOf(choice, 1));
    }
    m.wire(m.add("Constant", "C", {{"Value", "5"}}), config);
    m.wire(config, m.add("Display", "D"));
    EXPECT_EQ(m.run(quick()).last("m/D:1"), 15);
    EXPECT_EQ(m.run(quick(), {{"m/Pick", {{"Choice", "Double"}}}}).last("m/D:1"), 10);
    const auto errors = onlyErrors(errorsOf(m, {{"m/Pick", {{"Choice", "Nothing"}}}}));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].blocks, std::vector<std::string>{"m/Pick"});
}

TEST(ModelCompiler, TransferFunctionsMustBeProperWithANonZeroLeadingDenominator) {
    for (const auto& [numerator, denominator] :
         {std::pair{"s^2", "s+1"}, std::pair{"1", "[0 1 2]"}, std::pair{"1", "0*s"}}) {
        SimModelBuilder m;
        auto tf = m.add("Transfer Function", "H",
                        {{"Numerator", numerator}, {"Denominator", denominator}});
        m.wire(tf, m.add("Scope", "S"));
        const auto errors = onlyErrors(errorsOf(m));
        ASSERT_EQ(errors.size(), 1u) << numerator << " / " << denominator;
        EXPECT_EQ(errors[0].blocks, std::vector<std::string>{"m/H"});
    }
}

TEST(ModelCompiler, AnOverrideOfAParameterNoBlockHasIsAnError) {
    SimModelBuilder m;
    m.wire(m.add("Constant", "C"), m.add("Scope", "S"));
    const auto errors = onlyErrors(errorsOf(m, {{"m/C", {{"Gain", "2"}}}}));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].message.find("m/C:Gain"), std::string::npos) << errors[0].message;
}

}  // namespace
