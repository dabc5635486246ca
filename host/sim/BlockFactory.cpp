#include "sim/BlockFactory.h"

#include <functional>
#include <map>

#include "sim/BlockParameters.h"
#include "sim/blocks/ConstantBlock.h"
#include "sim/blocks/DemuxBlock.h"
#include "sim/blocks/DerivativeBlock.h"
#include "sim/blocks/GainBlock.h"
#include "sim/blocks/IntegratorBlock.h"
#include "sim/blocks/MuxBlock.h"
#include "sim/blocks/ProductBlock.h"
#include "sim/blocks/SaturationBlock.h"
#include "sim/blocks/SineBlock.h"
#include "sim/blocks/SinkBlock.h"
#include "sim/blocks/StepBlock.h"
#include "sim/blocks/SumBlock.h"
#include "sim/blocks/SwitchBlock.h"
#include "sim/blocks/TransferFunctionBlock.h"

namespace VTSIM {

namespace {

using Made = std::unique_ptr<RuntimeBlock>;
using Maker = std::function<Made(const FlatBlock&, const BlockParameters&)>;

int inputPorts(const FlatBlock& b) {
    return static_cast<int>(b.inPorts.size());
}

// The operator characters of a Sum's or a Product's "Inputs": `|` is ignored, and a whole
// number n means n times `plain`.
std::string operatorsOf(const BlockParameters& p, const FlatBlock& b, const std::string& allowed) {
    std::string ops;
    const std::string text = p.text("Inputs");
    for (const char c : text) {
        if (c != '|' && c != ' ')
            ops += c;
    }
    if (!ops.empty() && ops.find_first_not_of("0123456789") == std::string::npos) {
        const int n = p.count("Inputs");
        ops.assign(n, allowed[0]);
    } else if (ops.empty() || ops.find_first_not_of(allowed) != std::string::npos) {
        p.fail("Inputs",
               std::string("expected a count or a string of ") + allowed[0] + " and " + allowed[1]);
    }
    if (static_cast<int>(ops.size()) != inputPorts(b))
        p.fail("Inputs", "gives " + std::to_string(ops.size()) + " inputs but the block has " +
                             std::to_string(inputPorts(b)) + " input ports");
    return ops;
}

void expectPorts(const BlockParameters& p, const std::string& name, int count, int ports,
                 const char* what) {
    if (count != ports)
        p.fail(name, "gives " + std::to_string(count) + " " + what + " but the block has " +
                         std::to_string(ports) + " " + what + " ports");
}

Made sum(const FlatBlock& b, const BlockParameters& p) {
    std::vector<double> signs;
    for (const char c : operatorsOf(p, b, "+-"))
        signs.push_back(c == '+' ? 1.0 : -1.0);
    return std::make_unique<SumBlock>(b.path, std::move(signs));
}

Made product(const FlatBlock& b, const BlockParameters& p) {
    std::vector<bool> divide;
    for (const char c : operatorsOf(p, b, "*/"))
        divide.push_back(c == '/');
    return std::make_unique<ProductBlock>(b.path, std::move(divide));
}

Made transferFunction(const FlatBlock& b, const BlockParameters& p) {
    const std::vector<double> numerator = p.polynomial("Numerator");
    const std::vector<double> denominator = p.polynomial("Denominator");
    try {
        return std::make_unique<TransferFunctionBlock>(b.path, numerator, denominator);
    } catch (const std::invalid_argument& e) {
        p.fail("Denominator", e.what());
    }
}

Made switchBlock(const FlatBlock& b, const BlockParameters& p) {
    const auto criterion = SwitchBlock::criterionNamed(p.text("Criteria"));
    if (!criterion)
        p.fail("Criteria", "expected \"u2 >= threshold\", \"u2 > threshold\" or \"u2 != 0\"");
    return std::make_unique<SwitchBlock>(b.path, *criterion, p.vector("Threshold"));
}

Made saturation(const FlatBlock& b, const BlockParameters& p) {
    std::vector<double> upper = p.vector("UpperLimit");
    std::vector<double> lower = p.vector("LowerLimit");
    for (std::size_t i = 0; i < std::max(upper.size(), lower.size()); ++i) {
        if (upper[upper.size() == 1 ? 0 : i % upper.size()] <
            lower[lower.size() == 1 ? 0 : i % lower.size()])
            p.fail("LowerLimit", "the lower limit lies above the upper limit");
    }
    return std::make_unique<SaturationBlock>(b.path, std::move(upper), std::move(lower));
}

Made integrator(const FlatBlock& b, const BlockParameters& p) {
    return std::make_unique<IntegratorBlock>(b.path, p.vector("InitialCondition"),
                                             p.optionalVector("UpperLimit"),
                                             p.optionalVector("LowerLimit"));
}

const std::map<std::string, Maker>& makers() {
    static const std::map<std::string, Maker> all{
        {"Constant",
         [](auto& b, auto& p) {
             return std::make_unique<ConstantBlock>(b.path, p.vector("Value"));
         }},
        {"Step",
         [](auto& b, auto& p) {
             return std::make_unique<StepBlock>(b.path, p.scalar("Time"), p.vector("Before"),
                                                p.vector("After"));
         }},
        {"Sine",
         [](auto& b, auto& p) {
             return std::make_unique<SineBlock>(b.path, p.vector("Amplitude"),
                                                p.vector("Frequency"), p.vector("Phase"),
                                                p.vector("Bias"));
         }},
        {"Gain",
         [](auto& b, auto& p) { return std::make_unique<GainBlock>(b.path, p.vector("Gain")); }},
        {"Sum", sum},
        {"Product", product},
        {"Integrator", integrator},
        {"Derivative", [](auto& b, auto&) { return std::make_unique<DerivativeBlock>(b.path); }},
        {"Saturation", saturation},
        {"Transfer Function", transferFunction},
        {"Mux",
         [](auto& b, auto& p) {
             const int n = p.count("Inputs");
             expectPorts(p, "Inputs", n, inputPorts(b), "input");
             return std::make_unique<MuxBlock>(b.path, n);
         }},
        {"Demux",
         [](auto& b, auto& p) {
             const int n = p.count("Outputs");
             expectPorts(p, "Outputs", n, static_cast<int>(b.outPorts.size()), "output");
             return std::make_unique<DemuxBlock>(b.path, n);
         }},
        {"Switch", switchBlock},
        {"Scope",
         [](auto& b, auto&) { return std::make_unique<SinkBlock>(b.path, inputPorts(b)); }},
        {"Display",
         [](auto& b, auto&) { return std::make_unique<SinkBlock>(b.path, inputPorts(b)); }},
    };
    return all;
}

}  // namespace

std::unique_ptr<RuntimeBlock> BlockFactory::make(const FlatBlock& block) {
    const BlockParameters parameters(block);
    switch (block.role) {
        case FlatBlock::Role::TopInput:
            return std::make_unique<ConstantBlock>(block.path, std::vector<double>{0.0});
        case FlatBlock::Role::TopOutput:
            return std::make_unique<SinkBlock>(block.path, 1);
        case FlatBlock::Role::Compute:
            break;
    }
    const auto it = makers().find(block.type);
    if (it == makers().end())
        parameters.fail("", "blocks of type \"" + block.type + "\" cannot run");
    std::unique_ptr<RuntimeBlock> made = it->second(block, parameters);
    // Blocks whose ports are fixed by their type: a model with other ports cannot run.
    if (made->inputCount() != inputPorts(block) ||
        made->outputCount() != static_cast<int>(block.outPorts.size()))
        parameters.fail("", "the block has " + std::to_string(block.inPorts.size()) +
                                " inputs and " + std::to_string(block.outPorts.size()) +
                                " outputs, where its type runs with " +
                                std::to_string(made->inputCount()) + " and " +
                                std::to_string(made->outputCount()));
    return made;
}

}  // namespace VTSIM
