#include "sim/SampleTimes.h"

#include <cstdio>
#include <exception>
#include <set>

#include "sim/SystemFlattener.h"

namespace VTSIM {

namespace {

constexpr const char* kInputType = "Input";
constexpr const char* kOutputType = "Output";

// How a block's rate follows from its type.
enum class Behaviour { Constant, Continuous, FollowsInputs };

Behaviour behaviourOf(const FlatBlock& block) {
    // Memoryless blocks, sinks and the ports of subsystems compute nothing of their own in
    // time: their output changes exactly when an input does.
    static const std::set<std::string> follows{"Gain",    "Sum",      "Product",    "Mux",
                                               "Demux",   "Switch",   "Saturation", "Scope",
                                               "Display", kInputType, kOutputType};
    if (block.role == FlatBlock::Role::TopInput || block.type == "Constant")
        return Behaviour::Constant;
    return follows.count(block.type) ? Behaviour::FollowsInputs : Behaviour::Continuous;
}

// A stand-in the resolver treats like a computing block, so that the rates of blocks that
// do not run (virtual ports, blocks that cannot run) come out of the same line following.
FlatBlock standIn(const VTQUILL::ImmutableBlock& block) {
    FlatBlock flat;
    flat.block = block;
    flat.path = block.getFullPathName();
    flat.type = block.getType();
    return flat;
}

}  // namespace

SampleTimes::Rate SampleTimes::Rate::combine(const Rate& a, const Rate& b) {
    if (a.kind == Kind::Constant)
        return b;
    if (b.kind == Kind::Constant || a == b)
        return a;
    // Two different sample periods, or any continuous part, make a signal that changes
    // between samples.
    return continuous();
}

std::string SampleTimes::Rate::label() const {
    switch (kind) {
        case Kind::Constant:
            return "constant";
        case Kind::Continuous:
            return "continuous";
        case Kind::Discrete:
            break;
    }
    char text[32];
    std::snprintf(text, sizeof text, "discrete %g", period);
    return text;
}

SampleTimes SampleTimes::of(const VTQUILL::Model& model) {
    SampleTimes times;
    try {
        times.analyse(model);
    } catch (const std::exception& e) {
        times.diagnostics_.push_back(Diagnostic::error(
            std::string("the rates of the blocks could not all be told: ") + e.what()));
        times.rateTheRest();
    }
    return times;
}

SampleTimes::Rate SampleTimes::rateOf(const std::string& path) const {
    const auto it = rates_.find(path);
    return it == rates_.end() ? Rate::continuous() : it->second;
}

// Flatten first: the walk needs to know which blocks the flattener kept. The stand-ins join
// the flat model before the resolver runs, so that the lines they sit on are followed once.
// Subsystems are rated last, from the blocks inside them.
void SampleTimes::analyse(const VTQUILL::Model& model) {
    const ParameterOverrides none;
    FlatModel flat = SystemFlattener(none).flatten(model);
    diagnostics_ = flat.diagnostics;
    for (const FlatBlock& block : flat.blocks)
        flattened_.insert(block.block.getObjectId());
    for (const VTQUILL::Diagram& diagram : model.getDiagrams())
        collectBlocks(diagram, true);
    addPassThroughBlocks(flat);
    const std::size_t firstThatCannotRun = flat.blocks.size();
    addBlocksThatCannotRun(flat);
    const std::vector<std::vector<Driver>> drivers = SignalResolver(flat).resolve(diagnostics_);
    rateFlatBlocks(flat, drivers, firstThatCannotRun);
    rateSubsystems();
    rateTheRest();
}

void SampleTimes::collectBlocks(const VTQUILL::ImmutableDiagram& diagram, bool runs) {
    for (const VTQUILL::ImmutableBlock& block : diagram.getBlocks())
        collectBlock(block, runs);
}

// `runs`: the block's diagram is one the flattener went through. Blocks elsewhere (the
// choices a configurable subsystem did not choose) are only named.
void SampleTimes::collectBlock(const VTQUILL::ImmutableBlock& block, bool runs) {
    all_.push_back(block);
    if (!runs) {
        if (block.isSubsystem() && !block.isChartix())
            collectBlocks(block.getSubsystemDiagram(), false);
        return;
    }
    // The order of the tests is the flattener's.
    if (block.isChartix()) {
        cannotRun_.push_back(block);
    } else if (block.isBlockConfigurableSubsystem() && block.isSubsystem()) {
        collectConfigurable(block);
    } else if (block.isSubsystem()) {
        const VTQUILL::ImmutableDiagram inner = block.getSubsystemDiagram();
        collectBlocks(inner, true);
        std::vector<VTQUILL::ImmutableBlock> counted;
        for (const VTQUILL::ImmutableBlock& b : inner.getBlocks())
            counted.push_back(b);
        subsystems_.push_back({block, std::move(counted)});
    } else if (flattened_.count(block.getObjectId())) {
        return;
    } else if (block.getType() == kInputType) {
        inputs_.push_back(block);
    } else if (block.getType() == kOutputType) {
        outputs_.push_back(block);
    } else {
        cannotRun_.push_back(block);
    }
}

// The flattener's rule: the inner subsystem that the "Choice" parameter names runs; an inner
// diagram without subsystems is itself the one choice.
void SampleTimes::collectConfigurable(const VTQUILL::ImmutableBlock& block) {
    const VTQUILL::ImmutableDiagram inner = block.getSubsystemDiagram();
    const std::string choice = block.getParameter("Choice");
    bool hasCandidates = false;
    VTQUILL::ImmutableBlock chosen;
    for (const VTQUILL::ImmutableBlock& b : inner.getBlocks()) {
        if (!b.isSubsystem())
            continue;
        hasCandidates = true;
        if (!chosen.isValid() && b.getName() == choice)
            chosen = b;
    }
    if (!hasCandidates) {
        collectBlocks(inner, true);
        std::vector<VTQUILL::ImmutableBlock> counted;
        for (const VTQUILL::ImmutableBlock& b : inner.getBlocks())
            counted.push_back(b);
        subsystems_.push_back({block, std::move(counted)});
        return;
    }
    for (const VTQUILL::ImmutableBlock& b : inner.getBlocks())
        collectBlock(b, chosen.isValid() && b == chosen);
    // A choice that names nothing cannot run; its outputs drive as an unknown block's do.
    if (chosen.isValid())
        subsystems_.push_back({block, {chosen}});
    else
        cannotRun_.push_back(block);
}

// An inner Input block reads what drives its subsystem's input (the flattener recorded which
// one); an inner Output block reads its own input.
void SampleTimes::addPassThroughBlocks(FlatModel& flat) const {
    for (const VTQUILL::ImmutableBlock& input : inputs_) {
        const auto outs = portsOfKind(input, VTQUILL::kOutPort);
        if (outs.empty())
            continue;
        const auto carried = flat.outCarriesInput.find(outs.front().getObjectId());
        if (carried == flat.outCarriesInput.end())
            continue;
        FlatBlock flatInput = standIn(input);
        flatInput.inPorts = {carried->second};
        flat.blocks.push_back(std::move(flatInput));
    }
    for (const VTQUILL::ImmutableBlock& output : outputs_) {
        FlatBlock flatOutput = standIn(output);
        flatOutput.inPorts = portsOfKind(output, VTQUILL::kInPort);
        flat.blocks.push_back(std::move(flatOutput));
    }
}

// Their outputs become computed outputs, so that what they drive reads a block of unknown
// rate rather than nothing.
void SampleTimes::addBlocksThatCannotRun(FlatModel& flat) const {
    for (const VTQUILL::ImmutableBlock& block : cannotRun_) {
        FlatBlock flatBlock = standIn(block);
        flatBlock.outPorts = portsOfKind(block, VTQUILL::kOutPort);
        const int index = static_cast<int>(flat.blocks.size());
        for (std::size_t k = 0; k < flatBlock.outPorts.size(); ++k)
            flat.computedOutputs[flatBlock.outPorts[k].getObjectId()] = {index,
                                                                         static_cast<int>(k)};
        flat.blocks.push_back(std::move(flatBlock));
    }
}

// A fixed point from "everything that follows its inputs is constant" upwards: rates only
// rise (constant, then one discrete rate, then continuous), so each block changes at most
// twice, and a loop of memoryless blocks settles on the rate of what feeds it from outside.
void SampleTimes::rateFlatBlocks(const FlatModel& flat,
                                 const std::vector<std::vector<Driver>>& drivers,
                                 std::size_t firstThatCannotRun) {
    const std::size_t n = flat.blocks.size();
    std::vector<Behaviour> behaviour(n);
    std::vector<Rate> rate(n, Rate::constant());
    for (std::size_t b = 0; b < n; ++b) {
        behaviour[b] =
            b >= firstThatCannotRun ? Behaviour::Continuous : behaviourOf(flat.blocks[b]);
        if (behaviour[b] == Behaviour::Continuous)
            rate[b] = Rate::continuous();
    }
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t b = 0; b < n; ++b) {
            if (behaviour[b] != Behaviour::FollowsInputs)
                continue;
            Rate r = Rate::constant();
            for (const Driver& driver : drivers[b]) {
                if (driver.connected())
                    r = Rate::combine(r, rate[driver.block]);
            }
            if (r != rate[b]) {
                rate[b] = r;
                changed = true;
            }
        }
    }
    for (std::size_t b = 0; b < n; ++b)
        rates_[flat.blocks[b].path] = rate[b];
}

void SampleTimes::rateSubsystems() {
    for (const Subsystem& subsystem : subsystems_) {
        Rate r = Rate::constant();
        for (const VTQUILL::ImmutableBlock& block : subsystem.counted)
            r = Rate::combine(r, rateOf(block.getFullPathName()));
        rates_[subsystem.block.getFullPathName()] = r;
    }
}

void SampleTimes::rateTheRest() {
    for (const VTQUILL::ImmutableBlock& block : all_)
        rates_.try_emplace(block.getFullPathName(), Rate::continuous());
}

}  // namespace VTSIM
