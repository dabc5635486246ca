#include "vtdove/BlockLibrary.h"

#include <algorithm>
#include <utility>

#include "quill/Exception.h"
#include "vtdove/BlockIcons.h"
#include "vtdove/PortLayout.h"
#include "vtdove/SubsystemPorts.h"

namespace VTDove {

namespace {

using Size = PARR::GLPoint<double>;
using Draw = decltype(BlockType::draw);

BlockType signalBlock(const std::string& name, Size size, int inputs, int outputs,
                      QUILL::StringMap parameters, Draw draw) {
    BlockType t;
    t.name = name;
    t.defaultSize = size;
    t.ports = PortLayout::signalPorts(inputs, outputs, size);
    t.defaultParameters = std::move(parameters);
    t.draw = std::move(draw);
    return t;
}

BlockType physicalBlock(const std::string& name, Size size, std::vector<PortLayoutEntry> ports,
                        QUILL::StringMap parameters, Draw draw) {
    BlockType t;
    t.name = name;
    t.defaultSize = size;
    t.ports = std::move(ports);
    t.defaultParameters = std::move(parameters);
    t.draw = std::move(draw);
    return t;
}

BlockType subsystemBlock(const std::string& name, QUILL::StringMap parameters, Draw draw) {
    BlockType t = signalBlock(name, {60, 40}, 1, 1, std::move(parameters), std::move(draw));
    t.subsystem = true;
    return t;
}

std::vector<BlockType> mathTypes() {
    return {
        signalBlock("Gain", {30, 30}, 1, 1, {{"Gain", "1"}}, &BlockIcons::gain),
        signalBlock("Sum", {30, 30}, 2, 1, {{"Inputs", "++"}}, &BlockIcons::sum),
        signalBlock("Product", {30, 30}, 2, 1, {{"Inputs", "2"}}, &BlockIcons::product),
        signalBlock("Integrator", {30, 30}, 1, 1, {{"InitialCondition", "0"}},
                    &BlockIcons::integrator),
        signalBlock("Derivative", {30, 30}, 1, 1, {}, &BlockIcons::derivative),
        signalBlock("Saturation", {30, 30}, 1, 1, {{"UpperLimit", "0.5"}, {"LowerLimit", "-0.5"}},
                    &BlockIcons::saturation),
        signalBlock("Transfer Function", {60, 40}, 1, 1,
                    {{"Numerator", "1"}, {"Denominator", "s+1"}}, &BlockIcons::transferFunction),
    };
}

std::vector<BlockType> sourceAndSinkTypes() {
    return {
        signalBlock("Constant", {30, 30}, 0, 1, {{"Value", "1"}}, &BlockIcons::constant),
        signalBlock("Step", {30, 30}, 0, 1, {{"Time", "1"}, {"Before", "0"}, {"After", "1"}},
                    &BlockIcons::step),
        signalBlock("Sine", {30, 30}, 0, 1,
                    {{"Amplitude", "1"}, {"Frequency", "1"}, {"Phase", "0"}, {"Bias", "0"}},
                    &BlockIcons::sine),
        signalBlock("Scope", {30, 32}, 1, 0, {{"NumInputPorts", "1"}}, &BlockIcons::scope),
        signalBlock("Display", {90, 30}, 1, 0, {{"Format", "short"}}, &BlockIcons::display),
        signalBlock("Input", {30, 14}, 0, 1, {{"Port", "1"}}, &BlockIcons::input),
        signalBlock("Output", {30, 14}, 1, 0, {{"Port", "1"}}, &BlockIcons::output),
    };
}

std::vector<BlockType> routingTypes() {
    return {
        signalBlock("Mux", {5, 40}, 2, 1, {{"Inputs", "2"}}, &BlockIcons::mux),
        signalBlock("Demux", {5, 40}, 1, 2, {{"Outputs", "2"}}, &BlockIcons::demux),
        signalBlock("Switch", {30, 30}, 3, 1, {{"Threshold", "0"}, {"Criteria", "u2 >= threshold"}},
                    &BlockIcons::switchBlock),
    };
}

std::vector<BlockType> structureTypes() {
    BlockType masked =
        subsystemBlock("MaskedSubsystem", {{"IconText", "Mask"}}, &BlockIcons::maskedSubsystem);
    masked.masked = true;
    BlockType configurable = subsystemBlock("ConfigurableSubsystem", {{"Choice", "Default"}},
                                            &BlockIcons::configurableSubsystem);
    configurable.configurable = true;
    configurable.libraryLinkType = "Default";
    BlockType pid = subsystemBlock("PID Controller", {{"P", "1"}, {"I", "1"}, {"D", "0"}},
                                   &BlockIcons::pidController);
    pid.masked = true;
    pid.libraryLinkType = "Default";
    BlockType chart = signalBlock("Chart", {60, 60}, 1, 1, {}, &BlockIcons::chart);
    chart.chart = true;
    return {subsystemBlock("Subsystem", {}, &BlockIcons::subsystem), masked, configurable, pid,
            chart};
}

std::vector<BlockType> physicalTypes() {
    return {
        physicalBlock("Resistor", {40, 20}, PortLayout::leftRightConnections({40, 20}),
                      {{"R", "1"}}, &BlockIcons::resistor),
        physicalBlock("Capacitor", {40, 20}, PortLayout::leftRightConnections({40, 20}),
                      {{"C", "1e-6"}}, &BlockIcons::capacitor),
        physicalBlock("Ground", {30, 20}, PortLayout::topConnection({30, 20}), {},
                      &BlockIcons::ground),
    };
}

// The inner diagram of a new subsystem: "In1" wired straight to "Out1".
void populateSubsystem(const BlockLibrary& library, const VTQUILL::Block& block) {
    const VTQUILL::Diagram inner = block.addSubsystemDiagram();
    const VTQUILL::Block in = library.instantiate(inner, "Input", "In1", {20, 40});
    const VTQUILL::Block out = library.instantiate(inner, "Output", "Out1", {150, 40});
    VTQUILL::Segment wire = inner.addLine(VTQUILL::kSignalLine).addSegment();
    wire.setSrcElement(in.getContained().front());
    wire.setDstElement(out.getContained().front());
    syncSubsystemPorts(block);
}

}  // namespace

const BlockLibrary& BlockLibrary::instance() {
    static const BlockLibrary library;
    return library;
}

BlockLibrary::BlockLibrary() {
    const std::pair<const char*, std::vector<BlockType>> groups[] = {
        {"Math Operations", mathTypes()},         {"Sources and Sinks", sourceAndSinkTypes()},
        {"Signal Routing", routingTypes()},       {"Subsystems and Charts", structureTypes()},
        {"Physical Components", physicalTypes()},
    };
    for (auto& [group, types] : groups) {
        groups_.push_back(group);
        for (const BlockType& t : types) {
            types_.push_back(t);
            types_.back().group = group;
        }
    }
}

const BlockType* BlockLibrary::find(const std::string& typeName) const {
    const auto it = std::find_if(types_.begin(), types_.end(),
                                 [&](const BlockType& t) { return t.name == typeName; });
    return it == types_.end() ? nullptr : &*it;
}

std::vector<std::string> BlockLibrary::typeNames() const {
    std::vector<std::string> names;
    for (const BlockType& t : types_)
        names.push_back(t.name);
    return names;
}

std::vector<std::string> BlockLibrary::groupNames() const {
    return groups_;
}

std::vector<std::string> BlockLibrary::typeNamesIn(const std::string& group) const {
    std::vector<std::string> names;
    for (const BlockType& t : types_) {
        if (t.group == group)
            names.push_back(t.name);
    }
    return names;
}

VTQUILL::Block BlockLibrary::instantiate(const VTQUILL::Diagram& diagram,
                                         const std::string& typeName, const std::string& name,
                                         PARR::GLPoint<double> position) const {
    const BlockType* type = find(typeName);
    if (!type)
        throw QUILL::Exception("The block library has no block type \"" + typeName + "\".");
    const VTQUILL::Block block = diagram.addBlock(typeName, name);
    block.setPosition(position);
    block.setSize(type->defaultSize);
    block.set(VTQUILL::Schema::get().parameters, type->defaultParameters);
    block.setMasked(type->masked);
    block.setLibraryLinkType(type->libraryLinkType);
    for (const PortLayoutEntry& p : type->ports)
        block.addPort(p.kind, p.position, p.orientation);
    if (type->subsystem)
        populateSubsystem(*this, block);
    return block;
}

}  // namespace VTDove
