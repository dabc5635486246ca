#include "sim/SampleTimes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "SimModelBuilder.h"

namespace {

using SimTest::SimModelBuilder;
using Rate = VTSIM::SampleTimes::Rate;

const Rate kConstant = Rate::constant();
const Rate kContinuous = Rate::continuous();

TEST(SampleTimesRate, ConstantAddsNothingEqualPeriodsStayAndAnythingElseIsContinuous) {
    EXPECT_EQ(Rate::combine(kConstant, Rate::discrete(0.1)), Rate::discrete(0.1));
    EXPECT_EQ(Rate::combine(Rate::discrete(0.1), kConstant), Rate::discrete(0.1));
    EXPECT_EQ(Rate::combine(Rate::discrete(0.1), Rate::discrete(0.1)), Rate::discrete(0.1));
    EXPECT_EQ(Rate::combine(Rate::discrete(0.1), Rate::discrete(0.2)), kContinuous);
    EXPECT_EQ(Rate::combine(Rate::discrete(0.1), kContinuous), kContinuous);
    EXPECT_EQ(Rate::combine(kConstant, kConstant), kConstant);
    EXPECT_EQ(kConstant.label(), "constant");
    EXPECT_EQ(kContinuous.label(), "continuous");
    EXPECT_EQ(Rate::discrete(0.25).label(), "discrete 0.25");
}

// Constant chains (one through a subsystem, one an algebraic loop), an integrator loop that
// makes everything it feeds continuous (through a subsystem too), an undriven block and a
// block of a type that cannot run: the model does not compile, yet every block has its rate.
TEST(SampleTimes, EveryBlockOfAModelThatDoesNotCompileGetsTheRateOfWhatDrivesIt) {
    SimModelBuilder m;
    auto c = m.add("Constant", "C");
    auto g = m.add("Gain", "G");
    auto sum = m.add("Sum", "S");
    m.wire(g, sum, 1, 1);
    m.wire(m.add("Constant", "C2"), sum, 1, 2);
    m.wire(sum, m.add("Display", "D"));

    auto integrator = m.add("Integrator", "I");
    auto k = m.add("Gain", "K");
    m.wire(integrator, k);
    auto product = m.add("Product", "P");

    auto still = m.subsystem(m.top(), "Subsystem", "Still", 1, 1);
    auto inner = m.addIn(still.getSubsystemDiagram(), "Gain", "H");
    m.wire(m.inputOf(still, 1), inner);
    m.wire(inner, m.outputOf(still, 1));
    m.wire(still, m.add("Output", "Out"));

    auto moving = m.subsystem(m.top(), "Subsystem", "Moving", 1, 1);
    auto add = m.addIn(moving.getSubsystemDiagram(), "Sum", "A");
    m.wire(m.inputOf(moving, 1), add, 1, 1);
    m.wire(add, m.outputOf(moving, 1));
    m.wire(m.addIn(moving.getSubsystemDiagram(), "Constant", "B"), add, 1, 2);

    // An algebraic loop fed by a constant.
    auto loop = m.add("Sum", "L");
    auto loopGain = m.add("Gain", "LG");
    m.wire(loop, loopGain);
    m.wire(loopGain, loop, 1, 2);

    m.fan(c, {{g, 1}, {product, 1}, {still, 1}, {loop, 1}});
    m.fan(k, {{integrator, 1}, {m.add("Scope", "Y"), 1}, {product, 2}, {moving, 1}});

    m.add("Gain", "Free");
    const VTQUILL::Block mystery = m.top().addBlock("Mystery", "X");
    mystery.addPort(VTQUILL::kOutPort, {30, 10}, 0);
    m.wire(mystery, m.add("Gain", "AfterX"));
    m.commit();

    const VTSIM::SampleTimes times = VTSIM::SampleTimes::of(m.model());

    const std::map<std::string, Rate> expected{
        {"m/C", kConstant},
        {"m/G", kConstant},
        {"m/S", kConstant},
        {"m/C2", kConstant},
        {"m/D", kConstant},
        {"m/I", kContinuous},
        {"m/K", kContinuous},
        {"m/Y", kContinuous},
        {"m/P", kContinuous},
        {"m/Still", kConstant},
        {"m/Still/In1", kConstant},
        {"m/Still/H", kConstant},
        {"m/Still/Out1", kConstant},
        {"m/Out", kConstant},
        {"m/Moving", kContinuous},
        {"m/Moving/In1", kContinuous},
        {"m/Moving/A", kContinuous},
        {"m/Moving/B", kConstant},
        {"m/Moving/Out1", kContinuous},
        {"m/L", kConstant},
        {"m/LG", kConstant},
        {"m/Free", kConstant},
        {"m/X", kContinuous},
        {"m/AfterX", kContinuous},
    };
    EXPECT_EQ(times.rates(), expected);
    EXPECT_EQ(times.rateOf("m/no such block"), kContinuous);
    bool namesTheMysteryBlock = false;
    for (const VTSIM::Diagnostic& d : times.diagnostics())
        namesTheMysteryBlock |= d.isError() && d.blocks == std::vector<std::string>{"m/X"};
    EXPECT_TRUE(namesTheMysteryBlock);
    EXPECT_THROW(VTSIM::ModelCompiler().compile(m.model()), VTSIM::SimulationError);
}

TEST(SampleTimes, AConfigurableSubsystemTakesTheRateOfItsChoice) {
    SimModelBuilder m;
    auto choices = m.addIn(m.top(), "Subsystem", "Choices");
    const VTQUILL::Diagram inside = choices.getSubsystemDiagram();
    for (const VTQUILL::Line& line : inside.getLines())
        line.destroy();
    for (const VTQUILL::Block& b : inside.getBlocks())
        b.destroy();
    auto steady = m.subsystem(inside, "Subsystem", "Steady", 0, 1);
    m.wire(m.addIn(steady.getSubsystemDiagram(), "Constant", "K"), m.outputOf(steady, 1));
    auto wave = m.subsystem(inside, "Subsystem", "Wave", 0, 1);
    m.wire(m.addIn(wave.getSubsystemDiagram(), "Sine", "W"), m.outputOf(wave, 1));
    choices.setType("ConfigurableSubsystem");
    choices.setParameter("Choice", "Steady");
    m.commit();

    const VTSIM::SampleTimes times = VTSIM::SampleTimes::of(m.model());

    EXPECT_EQ(times.rateOf("m/Choices"), kConstant);
    EXPECT_EQ(times.rateOf("m/Choices/Steady/K"), kConstant);
    // The choice not taken does not run: its blocks cannot be told and count as continuous.
    EXPECT_EQ(times.rateOf("m/Choices/Wave"), kContinuous);
    EXPECT_EQ(times.rates().size(), 7u);

    choices.setParameter("Choice", "Wave");
    m.commit();
    EXPECT_EQ(VTSIM::SampleTimes::of(m.model()).rateOf("m/Choices"), kContinuous);
}

}  // namespace
