#include "tools/MoveCommand.h"

#include <utility>

#include "application/Application.h"
#include "parr/GMap.h"

namespace Vantor {

MoveCommand::MoveCommand(const QUILL::Model& model, const PARR::GLPoint<double>& delta,
                         AttachedLineSets lines, AttachedLineSets::Elements moving)
    : DOVE2::Command(model), delta_(delta), lines_(std::move(lines)), moving_(std::move(moving)) {}

MoveCommand::~MoveCommand() = default;

std::string MoveCommand::shortDescription() const {
    return "Move";
}

void MoveCommand::execute(PARR::ErrorHolder& /*errors*/) {
    // The translated paths are taken before any end moves, so each is shifted from the shape
    // it had before the command.
    PARR::GMap<DOVE2::GraphEdge, PARR::Path> translatedPaths;
    for (const DOVE2::GraphEdge& segment : lines_.translatedSegments) {
        const auto atModel = here<DOVE2::GraphEdge>(segment);
        if (atModel.isValid())
            translatedPaths.insert(segment, atModel.getPath());
    }
    shift(moving_);
    shift(lines_.carriedElements);
    for (const auto& [segment, path] : translatedPaths) {
        if (path.empty()) {
            // Recorded as changed, so that its glyph is drawn again after the move, its undo
            // and its redo.
            getModel().notifyObjectIsAboutToChange(here<DOVE2::GraphEdge>(segment));
            continue;
        }
        PARR::Path moved = path;
        moved.offset(delta_);
        here<DOVE2::GraphEdge>(segment).setPath(moved);
    }
    for (const DOVE2::GraphEdge& segment : lines_.reroutedSegments)
        rerouteFromHint(lines_.routeHints, here<VTQUILL::Segment>(segment), segment);
    for (const VTQUILL::Line& line : lines_.reshapedLines) {
        const auto atModel = here<VTQUILL::Line>(line);
        if (atModel.isValid())
            Application::cleanupLine(atModel);
    }
}

void MoveCommand::shift(const AttachedLineSets::Elements& elements) const {
    for (const DOVE2::DiagramElement& element : elements) {
        const auto atModel = here<DOVE2::DiagramElement>(element);
        if (atModel.isValid())
            atModel.setPosition(atModel.getPosition() + delta_);
    }
}

}  // namespace Vantor
