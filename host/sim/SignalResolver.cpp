#include "sim/SignalResolver.h"

namespace VTSIM {

namespace {

// "<block path> output <k>" for a port, k counted among the block's ports of its kind.
std::string describePort(const VTQUILL::ImmutablePort& port) {
    const VTQUILL::ImmutableBlock block = port.getContainer();
    int number = 0;
    for (const VTQUILL::ImmutablePort& p : block.getContained()) {
        if (p.getType() == port.getType())
            ++number;
        if (p == port)
            break;
    }
    const bool out = port.getType() == VTQUILL::kOutPort;
    return block.getFullPathName() + (out ? " output " : " input ") + std::to_string(number);
}

}  // namespace

SignalResolver::SignalResolver(const FlatModel& flat) : flat_(flat) {}

std::vector<std::vector<Driver>> SignalResolver::resolve(std::vector<Diagnostic>& diagnostics) {
    reportNetsWithTwoDrivers(diagnostics);
    std::vector<std::vector<Driver>> drivers(flat_.blocks.size());
    for (std::size_t b = 0; b < flat_.blocks.size(); ++b) {
        const FlatBlock& block = flat_.blocks[b];
        for (std::size_t k = 0; k < block.inPorts.size(); ++k) {
            visiting_.clear();
            loopWithoutBlock_ = false;
            const Driver driver = driverOfInput(block.inPorts[k]);
            drivers[b].push_back(driver);
            const std::string where = block.path + " input " + std::to_string(k + 1);
            if (loopWithoutBlock_)
                diagnostics.push_back(Diagnostic::error(
                    where + " is fed by a loop of lines that passes through no block",
                    {block.path}));
            else if (!driver.connected())
                diagnostics.push_back(Diagnostic::warning(
                    where + " is driven by no output; it reads 0", {block.path}));
        }
    }
    return drivers;
}

Driver SignalResolver::driverOfInput(const VTQUILL::ImmutablePort& in) {
    if (!visiting_.insert(in.getObjectId()).second) {
        loopWithoutBlock_ = true;
        return {};
    }
    const auto redirected = flat_.inIsInput.find(in.getObjectId());
    if (redirected != flat_.inIsInput.end())
        return driverOfInput(redirected->second);
    const int net = flat_.nets.netOf(in.getObjectId());
    if (net < 0)
        return {};
    const auto& outs = flat_.nets.nets()[net].outPorts;
    // A net with two drivers was reported as an error of its own.
    if (outs.size() != 1)
        return {};
    return sourceOfOutput(outs.front());
}

Driver SignalResolver::sourceOfOutput(const VTQUILL::ImmutablePort& out) {
    const QUILL::ObjectId id = out.getObjectId();
    if (const auto it = flat_.computedOutputs.find(id); it != flat_.computedOutputs.end())
        return {it->second.first, it->second.second};
    if (const auto it = flat_.outIsOutput.find(id); it != flat_.outIsOutput.end())
        return sourceOfOutput(it->second);
    if (const auto it = flat_.outCarriesInput.find(id); it != flat_.outCarriesInput.end())
        return driverOfInput(it->second);
    return {};
}

void SignalResolver::reportNetsWithTwoDrivers(std::vector<Diagnostic>& diagnostics) const {
    for (const LineNets::Net& net : flat_.nets.nets()) {
        if (net.outPorts.size() < 2)
            continue;
        std::string message = "one line is driven by ";
        std::vector<std::string> blocks;
        for (std::size_t i = 0; i < net.outPorts.size(); ++i) {
            message += (i == 0                         ? ""
                        : i + 1 == net.outPorts.size() ? " and "
                                                       : ", ") +
                       describePort(net.outPorts[i]);
            blocks.push_back(
                VTQUILL::ImmutableBlock(net.outPorts[i].getContainer()).getFullPathName());
        }
        if (!net.inPorts.empty())
            message += " into " + describePort(net.inPorts.front());
        diagnostics.push_back(Diagnostic::error(message, blocks));
    }
}

}  // namespace VTSIM
