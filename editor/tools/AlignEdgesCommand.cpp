#include "tools/AlignEdgesCommand.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "application/Application.h"
#include "tools/AttachedLineSets.h"
#include "tools/MoveCommand.h"

namespace Vantor {

namespace {

// The valid blocks' left edges; `blocks` bound to the instance to read.
std::vector<std::pair<VTQUILL::Block, double>> leftEdges(
    const std::vector<VTQUILL::ImmutableBlock>& blocks, const QUILL::ImmutableModel& model) {
    std::vector<std::pair<VTQUILL::Block, double>> edges;
    for (const VTQUILL::ImmutableBlock& block : blocks) {
        const VTQUILL::Block here(block.asDeviant(model));
        if (here.isValid())
            edges.emplace_back(here, Application::getAbsolutePosition(here).x);
    }
    return edges;
}

double leftmost(const std::vector<std::pair<VTQUILL::Block, double>>& edges) {
    double left = std::numeric_limits<double>::infinity();
    for (const auto& edge : edges)
        left = std::min(left, edge.second);
    return left;
}

}  // namespace

AlignEdgesCommand::AlignEdgesCommand(const QUILL::Model& model,
                                     std::vector<VTQUILL::ImmutableBlock> blocks)
    : DOVE2::Command(model), blocks_(std::move(blocks)) {}

AlignEdgesCommand::~AlignEdgesCommand() = default;

bool AlignEdgesCommand::wouldMove(const std::vector<VTQUILL::ImmutableBlock>& blocks) {
    if (blocks.size() < 2)
        return false;
    const auto edges = leftEdges(blocks, blocks.front().getModel());
    const double left = leftmost(edges);
    return edges.size() >= 2 && std::any_of(edges.begin(), edges.end(),
                                            [left](const auto& e) { return e.second != left; });
}

std::string AlignEdgesCommand::shortDescription() const {
    return "Align Left Edges";
}

// One move per block, each built on the model as the moves before it left it: a line between
// two aligned blocks is routed again from where the first move put it.
void AlignEdgesCommand::execute(PARR::ErrorHolder& errors) {
    const auto edges = leftEdges(blocks_, getModel());
    const double left = leftmost(edges);
    for (const auto& [block, x] : edges) {
        if (x == left)
            continue;
        AttachedLineSets::Elements moving;
        moving.insert(DOVE2::DiagramElement(block));
        AttachedLineSets lines;
        lines.build(moving);
        MoveCommand move(getModel(), {left - x, 0.0}, std::move(lines), std::move(moving));
        move.execute(errors);
    }
}

}  // namespace Vantor
