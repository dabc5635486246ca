#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/Command.h"
#include "parr/GLPoint.h"
#include "tools/SegmentReshape.h"

namespace Vantor {

// "Edit Line": moves one corner of a segment's route by a displacement (each coordinate below
// 5 units dropped) and routes the segment again through the moved corner, then cleans its
// line up. Points in absolute diagram coordinates.
class VANTOR_EXPORT MoveVertexCommand : public DOVE2::Command {
public:
    static constexpr double kDeadZone = 5.0;

    MoveVertexCommand(const QUILL::Model& model, const PARR::GLPoint<double>& delta,
                      const PARR::GLPoint<double>& vertex, SegmentReshape reshape);
    ~MoveVertexCommand() override;

    // "Edit Line".
    std::string shortDescription() const override;
    void execute(PARR::ErrorHolder& errors) override;

private:
    PARR::GLPoint<double> delta_;
    PARR::GLPoint<double> vertex_;
    SegmentReshape reshape_;
};

}  // namespace Vantor
