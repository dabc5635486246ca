#include "tools/MoveSegmentCommand.h"

#include <cmath>
#include <utility>

namespace Vantor {

MoveSegmentCommand::MoveSegmentCommand(const QUILL::Model& model,
                                       const PARR::GLPoint<double>& delta,
                                       const PARR::GLPoint<double>& legStart,
                                       const PARR::GLPoint<double>& legEnd, SegmentReshape reshape)
    : DOVE2::Command(model),
      delta_(delta),
      legStart_(legStart),
      legEnd_(legEnd),
      reshape_(std::move(reshape)) {}

MoveSegmentCommand::~MoveSegmentCommand() = default;

std::string MoveSegmentCommand::shortDescription() const {
    return "Edit Line";
}

PARR::GLPoint<double> MoveSegmentCommand::dampedAlongLeg(const PARR::GLPoint<double>& delta,
                                                         const PARR::GLPoint<double>& legStart,
                                                         const PARR::GLPoint<double>& legEnd) {
    PARR::GLPoint<double> damped = delta;
    if (legStart.x == legEnd.x && std::abs(damped.y) < kDeadZone)
        damped.y = 0;
    if (legStart.y == legEnd.y && std::abs(damped.x) < kDeadZone)
        damped.x = 0;
    return damped;
}

void MoveSegmentCommand::execute(PARR::ErrorHolder& /*errors*/) {
    const PARR::GLPoint<double> d = dampedAlongLeg(delta_, legStart_, legEnd_);
    reshape_.apply(getModel(), legStart_ + d, legEnd_ + d);
}

}  // namespace Vantor
