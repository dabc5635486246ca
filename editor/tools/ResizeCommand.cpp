#include "tools/ResizeCommand.h"

#include <map>
#include <vector>

#include "application/Application.h"
#include "parr/GHash.h"
#include "vtdove/PortLayout.h"

namespace Vantor {

namespace {

// The block's ports grouped by the side they face (orientation in degrees); ports facing
// elsewhere are left out.
std::map<int, std::vector<VTQUILL::Port>> portsBySide(const VTQUILL::Block& block) {
    std::map<int, std::vector<VTQUILL::Port>> sides;
    for (const VTQUILL::Port& port : block.getContained()) {
        const double orientation = port.getOrientation();
        if (orientation == 0 || orientation == 90 || orientation == 180 || orientation == 270)
            sides[static_cast<int>(orientation)].push_back(port);
    }
    return sides;
}

PARR::GLPoint<double> portPosition(int side, int index, int count,
                                   const PARR::GLPoint<double>& size) {
    switch (side) {
        case 0:
            return VTDove::PortLayout::rightSide(index, count, size);
        case 90:
            return VTDove::PortLayout::topSide(index, count, size);
        case 180:
            return VTDove::PortLayout::leftSide(index, count, size);
        default:
            return VTDove::PortLayout::bottomSide(index, count, size);
    }
}

}  // namespace

ResizeCommand::ResizeCommand(const QUILL::Model& model, const DOVE2::DiagramElement& element)
    : DOVE2::Command(model), element_(element) {}

ResizeCommand::~ResizeCommand() = default;

PARR::Holder<ResizeCommand> ResizeCommand::create(const QUILL::Model& model,
                                                  const DOVE2::DiagramElement& element) {
    PARR::Holder<ResizeCommand> command(new ResizeCommand(model, element));
    const VTQUILL::Block block(element);
    if (!block.isValid())
        return command;
    PARR::GHash<VTQUILL::Line> lines;
    for (const VTQUILL::Port& port : block.getContained()) {
        const VTQUILL::Segment segment = port.getEdge();
        if (segment.isValid())
            lines.insert(segment.getContainer());
    }
    for (const VTQUILL::Line& line : lines) {
        for (const VTQUILL::Segment& segment : line.getSegments())
            command->routeHints_.insert(segment, SegmentRouteHint::of(segment));
    }
    return command;
}

std::string ResizeCommand::shortDescription() const {
    return "Resize";
}

void ResizeCommand::setTarget(const PARR::GLPoint<double>& position,
                              const PARR::GLPoint<double>& size) {
    position_ = position;
    size_ = size;
}

void ResizeCommand::execute(PARR::ErrorHolder& /*errors*/) {
    applyTo(element_.getModel().getRootDeviant());
}

void ResizeCommand::applyTo(const QUILL::Model& model) const {
    const DOVE2::DiagramElement element(element_.asDeviant(model));
    if (const VTQUILL::Block block(element); block.isValid()) {
        resizeBlock(block, model);
        return;
    }
    if (!element.isValid())
        return;
    element.setPosition(position_);
    element.setSize(size_);
}

void ResizeCommand::resizeBlock(const VTQUILL::Block& block, const QUILL::Model& model) const {
    if (model.getDeviant().getDeviantId() == 0) {
        for (const VTQUILL::Port& port : block.getContained()) {
            const VTQUILL::Segment segment = port.getEdge();
            if (segment.isValid() && routeHints_.contains(segment))
                model.notifyObjectIsAboutToChange(segment);
        }
    }
    for (const auto& [side, ports] : portsBySide(block)) {
        const int count = static_cast<int>(ports.size());
        for (int i = 0; i < count; ++i)
            ports[static_cast<std::size_t>(i)].setPosition(portPosition(side, i, count, size_));
    }
    block.setPosition(position_);
    block.setSize(size_);
    PARR::GHash<VTQUILL::Line> reshaped;
    for (const VTQUILL::Port& port : block.getContained()) {
        const VTQUILL::Segment segment = port.getEdge();
        if (rerouteFromHint(routeHints_, segment, segment))
            reshaped.insert(segment.getContainer());
    }
    for (const VTQUILL::Line& line : reshaped)
        Application::cleanupLine(line);
}

}  // namespace Vantor
