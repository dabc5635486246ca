#include "tools/MoveVertexCommand.h"

#include <utility>

namespace Vantor {

MoveVertexCommand::MoveVertexCommand(const QUILL::Model& model, const PARR::GLPoint<double>& delta,
                                     const PARR::GLPoint<double>& vertex, SegmentReshape reshape)
    : DOVE2::Command(model), delta_(delta), vertex_(vertex), reshape_(std::move(reshape)) {}

MoveVertexCommand::~MoveVertexCommand() = default;

std::string MoveVertexCommand::shortDescription() const {
    return "Edit Line";
}

void MoveVertexCommand::execute(PARR::ErrorHolder& /*errors*/) {
    const PARR::GLPoint<double> moved = vertex_ + dampedDelta(delta_, kDeadZone);
    reshape_.apply(getModel(), moved, moved);
}

}  // namespace Vantor
