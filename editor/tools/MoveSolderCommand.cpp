#include "tools/MoveSolderCommand.h"

#include <utility>

#include "application/Application.h"
#include "tools/SegmentReshape.h"

namespace Vantor {

MoveSolderCommand::MoveSolderCommand(const QUILL::Model& model, const PARR::GLPoint<double>& delta,
                                     const VTQUILL::SolderJoint& joint,
                                     PARR::GHash<DOVE2::DiagramElement> carriedEnds,
                                     PARR::GHash<DOVE2::GraphEdge> translatedSegments,
                                     SegmentRouteHints routeHints)
    : DOVE2::Command(model),
      delta_(delta),
      joint_(joint),
      carriedEnds_(std::move(carriedEnds)),
      translatedSegments_(std::move(translatedSegments)),
      routeHints_(std::move(routeHints)) {}

MoveSolderCommand::~MoveSolderCommand() = default;

std::string MoveSolderCommand::shortDescription() const {
    return "Edit Line";
}

void MoveSolderCommand::execute(PARR::ErrorHolder& /*errors*/) {
    const PARR::GLPoint<double> d = dampedDelta(delta_, kDeadZone);
    const VTQUILL::SolderJoint joint(joint_.asDeviant(getModel()));
    if (!joint.isValid())
        return;
    const VTQUILL::Line line(joint.getContainer());
    joint.setPosition(joint.getPosition() + d);
    for (const DOVE2::DiagramElement& end : carriedEnds_) {
        const DOVE2::DiagramElement here(end.asDeviant(getModel()));
        if (here.isValid())
            here.setPosition(here.getPosition() + d);
    }
    shiftTranslated(d);
    for (const auto& [segment, hint] : routeHints_)
        hint.reroute(VTQUILL::Segment(segment.asDeviant(getModel())));
    if (line.isValid())
        Application::cleanupLine(line);
}

void MoveSolderCommand::shiftTranslated(const PARR::GLPoint<double>& d) const {
    for (const DOVE2::GraphEdge& segment : translatedSegments_) {
        const DOVE2::GraphEdge here(segment.asDeviant(getModel()));
        if (!here.isValid())
            continue;
        PARR::Path path = here.getPath();
        if (path.empty()) {
            // Recorded as changed, so that its glyph is drawn again from the report.
            getModel().notifyObjectIsAboutToChange(here);
            continue;
        }
        path.offset(d);
        here.setPath(path);
    }
}

}  // namespace Vantor
