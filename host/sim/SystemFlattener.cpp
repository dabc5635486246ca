#include "sim/SystemFlattener.h"

#include <set>

#include "vtdove/SubsystemPorts.h"

namespace VTSIM {

namespace {

// Block types that compute while the model runs (the rest either pass signals through or
// cannot run).
const std::set<std::string>& computingTypes() {
    static const std::set<std::string> types{
        "Constant", "Step",       "Sine",       "Gain",       "Sum",
        "Product",  "Integrator", "Derivative", "Saturation", "Transfer Function",
        "Mux",      "Demux",      "Switch",     "Scope",      "Display"};
    return types;
}

constexpr const char* kInputType = "Input";
constexpr const char* kOutputType = "Output";
// A masked subsystem's parameter that only says what its icon shows.
constexpr const char* kIconText = "IconText";

}  // namespace

std::vector<VTQUILL::ImmutablePort> portsOfKind(const VTQUILL::ImmutableBlock& block,
                                                const char* kind) {
    std::vector<VTQUILL::ImmutablePort> ports;
    for (const VTQUILL::ImmutablePort& port : block.getContained()) {
        if (port.getType() == kind)
            ports.push_back(port);
    }
    return ports;
}

SystemFlattener::SystemFlattener(const ParameterOverrides& overrides) : overrides_(overrides) {
    for (const auto& [path, names] : overrides_) {
        for (const auto& entry : names)
            overrideUsed_[path][entry.first] = false;
    }
}

FlatModel SystemFlattener::flatten(const VTQUILL::Model& model) {
    for (const VTQUILL::Diagram& diagram : model.getDiagrams())
        flattenDiagram(diagram, ParameterScope::top(), true);
    reportUnusedOverrides();
    return std::move(flat_);
}

void SystemFlattener::flattenDiagram(const VTQUILL::ImmutableDiagram& diagram,
                                     const std::shared_ptr<const ParameterScope>& scope,
                                     bool topLevel) {
    flat_.nets.addDiagram(diagram);
    for (const VTQUILL::ImmutableBlock& block : diagram.getBlocks())
        flattenBlock(block, scope, topLevel);
}

void SystemFlattener::flattenBlock(const VTQUILL::ImmutableBlock& block,
                                   const std::shared_ptr<const ParameterScope>& scope,
                                   bool topLevel) {
    const std::string& type = block.getType();
    if (block.isChartix()) {
        flat_.diagnostics.push_back(Diagnostic::error(
            block.getFullPathName() + ": chart blocks cannot run yet", {block.getFullPathName()}));
    } else if (block.isBlockConfigurableSubsystem() && block.isSubsystem()) {
        flattenConfigurable(block, scope);
    } else if (block.isSubsystem()) {
        flattenSubsystem(block, scope);
    } else if (type == kInputType) {
        // Inside a subsystem the block passes the subsystem's input through (flattenSubsystem
        // wires it); at the top level it reads 0.
        if (topLevel)
            addComputing(block, scope, FlatBlock::Role::TopInput);
    } else if (type == kOutputType) {
        if (topLevel)
            addComputing(block, scope, FlatBlock::Role::TopOutput);
    } else if (computingTypes().count(type)) {
        addComputing(block, scope, FlatBlock::Role::Compute);
    } else {
        flat_.diagnostics.push_back(Diagnostic::error(
            block.getFullPathName() + ": blocks of type \"" + type + "\" cannot run",
            {block.getFullPathName()}));
    }
}

void SystemFlattener::flattenSubsystem(const VTQUILL::ImmutableBlock& block,
                                       const std::shared_ptr<const ParameterScope>& scope) {
    const std::string path = block.getFullPathName();
    std::shared_ptr<const ParameterScope> inner = scope;
    if (block.isMasked()) {
        QUILL::StringMap maskParameters;
        for (auto& entry : parametersOf(block, path)) {
            if (entry.first != kIconText)
                maskParameters.push_back(std::move(entry));
        }
        inner = ParameterScope::mask(scope, path, std::move(maskParameters));
    }
    const VTDove::SubsystemPorts ports(block);
    const auto ins = portsOfKind(block, VTQUILL::kInPort);
    const auto outs = portsOfKind(block, VTQUILL::kOutPort);
    for (std::size_t k = 0; k < ports.inputBlocks().size(); ++k) {
        const auto inputOut = portsOfKind(ports.inputBlocks()[k], VTQUILL::kOutPort);
        if (k < ins.size() && !inputOut.empty())
            flat_.outCarriesInput[inputOut.front().getObjectId()] = ins[k];
    }
    for (std::size_t k = 0; k < ports.outputBlocks().size() && k < outs.size(); ++k) {
        const auto outputIn = portsOfKind(ports.outputBlocks()[k], VTQUILL::kInPort);
        if (!outputIn.empty())
            flat_.outCarriesInput[outs[k].getObjectId()] = outputIn.front();
    }
    flattenDiagram(block.getSubsystemDiagram(), inner, false);
}

void SystemFlattener::flattenConfigurable(const VTQUILL::ImmutableBlock& block,
                                          const std::shared_ptr<const ParameterScope>& scope) {
    const std::string path = block.getFullPathName();
    std::string choice;
    for (const auto& [name, value] : parametersOf(block, path)) {
        if (name == "Choice")
            choice = value;
    }
    const VTQUILL::ImmutableDiagram inner = block.getSubsystemDiagram();
    std::vector<VTQUILL::ImmutableBlock> candidates;
    for (const VTQUILL::ImmutableBlock& b : inner.getBlocks()) {
        if (b.isSubsystem())
            candidates.push_back(b);
    }
    // An inner diagram without subsystems in it is itself the one choice.
    if (candidates.empty())
        return flattenSubsystem(block, scope);
    for (const VTQUILL::ImmutableBlock& candidate : candidates) {
        if (candidate.getName() != choice)
            continue;
        const auto ins = portsOfKind(block, VTQUILL::kInPort);
        const auto outs = portsOfKind(block, VTQUILL::kOutPort);
        const auto chosenIns = portsOfKind(candidate, VTQUILL::kInPort);
        const auto chosenOuts = portsOfKind(candidate, VTQUILL::kOutPort);
        for (std::size_t k = 0; k < ins.size() && k < chosenIns.size(); ++k)
            flat_.inIsInput[chosenIns[k].getObjectId()] = ins[k];
        for (std::size_t k = 0; k < outs.size() && k < chosenOuts.size(); ++k)
            flat_.outIsOutput[outs[k].getObjectId()] = chosenOuts[k];
        return flattenBlock(candidate, scope, false);
    }
    flat_.diagnostics.push_back(Diagnostic::error(
        path + ": parameter Choice = \"" + choice + "\" names none of the choices inside it",
        {path}));
}

void SystemFlattener::addComputing(const VTQUILL::ImmutableBlock& block,
                                   const std::shared_ptr<const ParameterScope>& scope,
                                   FlatBlock::Role role) {
    FlatBlock flat;
    flat.block = block;
    flat.path = block.getFullPathName();
    flat.type = block.getType();
    flat.role = role;
    flat.parameters = parametersOf(block, flat.path);
    flat.scope = scope;
    flat.inPorts = portsOfKind(block, VTQUILL::kInPort);
    flat.outPorts = portsOfKind(block, VTQUILL::kOutPort);
    const int index = static_cast<int>(flat_.blocks.size());
    for (std::size_t k = 0; k < flat.outPorts.size(); ++k)
        flat_.computedOutputs[flat.outPorts[k].getObjectId()] = {index, static_cast<int>(k)};
    flat_.blocks.push_back(std::move(flat));
}

QUILL::StringMap SystemFlattener::parametersOf(const VTQUILL::ImmutableBlock& block,
                                               const std::string& path) {
    QUILL::StringMap parameters = block.getParameters();
    const auto overrides = overrides_.find(path);
    if (overrides == overrides_.end())
        return parameters;
    for (auto& [name, value] : parameters) {
        const auto it = overrides->second.find(name);
        if (it != overrides->second.end()) {
            value = it->second;
            overrideUsed_[path][name] = true;
        }
    }
    return parameters;
}

void SystemFlattener::reportUnusedOverrides() {
    for (const auto& [path, names] : overrideUsed_) {
        for (const auto& [name, used] : names) {
            if (!used)
                flat_.diagnostics.push_back(Diagnostic::error("--param " + path + ":" + name +
                                                              ": no running block " + path +
                                                              " has a parameter " + name));
        }
    }
}

}  // namespace VTSIM
