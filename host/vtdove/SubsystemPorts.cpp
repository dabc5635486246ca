#include "vtdove/SubsystemPorts.h"

#include <algorithm>
#include <charconv>

#include "vtdove/PortLayout.h"

namespace VTDove {

namespace {

constexpr const char* kInputType = "Input";
constexpr const char* kOutputType = "Output";

long portNumberOf(const VTQUILL::ImmutableBlock& block) {
    const std::string text = block.getParameter("Port");
    long number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    return result.ec == std::errc() ? number : 0;
}

void sortByPortNumber(std::vector<VTQUILL::ImmutableBlock>& blocks) {
    std::stable_sort(blocks.begin(), blocks.end(), [](const auto& a, const auto& b) {
        return portNumberOf(a) < portNumberOf(b);
    });
}

std::vector<std::string> namesOf(const std::vector<VTQUILL::ImmutableBlock>& blocks) {
    std::vector<std::string> names;
    for (const auto& b : blocks)
        names.push_back(b.getName());
    return names;
}

std::vector<VTQUILL::Port> portsOfKind(const VTQUILL::Block& block, const std::string& kind) {
    std::vector<VTQUILL::Port> ports;
    for (const VTQUILL::Port& p : block.getContained()) {
        if (p.getType() == kind)
            ports.push_back(p);
    }
    return ports;
}

// Destroys the surplus ports of `kind` (the last ones) or adds the missing ones.
void adjustCount(const VTQUILL::Block& block, const std::string& kind, std::size_t wanted) {
    std::vector<VTQUILL::Port> ports = portsOfKind(block, kind);
    while (ports.size() > wanted) {
        VTQUILL::Topology::destroyElement(*block.getDeviant(), ports.back().getObjectId());
        ports.pop_back();
    }
    const double orientation =
        kind == VTQUILL::kInPort ? PortLayout::kInputOrientation : PortLayout::kOutputOrientation;
    for (std::size_t i = ports.size(); i < wanted; ++i)
        block.addPort(kind, {}, orientation);
}

void layOut(const VTQUILL::Block& block, int inputs, int outputs) {
    const PARR::GLPoint<double> size = block.getSize();
    int in = 0;
    int out = 0;
    std::int64_t number = 0;
    for (const VTQUILL::Port& p : block.getContained()) {
        p.set(VTQUILL::Schema::get().portNumber, ++number);
        if (p.getType() == VTQUILL::kInPort) {
            p.setPosition(PortLayout::leftSide(in++, inputs, size));
            p.setOrientation(PortLayout::kInputOrientation);
        } else if (p.getType() == VTQUILL::kOutPort) {
            p.setPosition(PortLayout::rightSide(out++, outputs, size));
            p.setOrientation(PortLayout::kOutputOrientation);
        }
    }
}

}  // namespace

SubsystemPorts::SubsystemPorts(const VTQUILL::ImmutableBlock& subsystem) {
    const VTQUILL::ImmutableDiagram inner = subsystem.getSubsystemDiagram();
    if (!inner.isValid())
        return;
    for (const VTQUILL::ImmutableBlock& b : inner.getBlocks()) {
        if (b.getType() == kInputType)
            inputBlocks_.push_back(b);
        else if (b.getType() == kOutputType)
            outputBlocks_.push_back(b);
    }
    sortByPortNumber(inputBlocks_);
    sortByPortNumber(outputBlocks_);
}

std::vector<std::string> SubsystemPorts::inputNames() const {
    return namesOf(inputBlocks_);
}

std::vector<std::string> SubsystemPorts::outputNames() const {
    return namesOf(outputBlocks_);
}

void syncSubsystemPorts(const VTQUILL::Block& subsystem) {
    if (!subsystem.isSubsystem())
        return;
    const SubsystemPorts wanted(subsystem);
    adjustCount(subsystem, VTQUILL::kInPort, wanted.inputBlocks().size());
    adjustCount(subsystem, VTQUILL::kOutPort, wanted.outputBlocks().size());
    layOut(subsystem, static_cast<int>(wanted.inputBlocks().size()),
           static_cast<int>(wanted.outputBlocks().size()));
}

}  // namespace VTDove
