#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/Command.h"
#include "parr/GLPoint.h"
#include "tools/SegmentReshape.h"

namespace Vantor {

// "Edit Line": moves one leg of a segment's route by a displacement and routes the segment
// again through the moved leg, then cleans its line up. Only the component along the leg is
// dropped when below 5 units (a vertical leg keeps dx, a horizontal one dy). Points in
// absolute diagram coordinates.
class VANTOR_EXPORT MoveSegmentCommand : public DOVE2::Command {
public:
    static constexpr double kDeadZone = 5.0;

    MoveSegmentCommand(const QUILL::Model& model, const PARR::GLPoint<double>& delta,
                       const PARR::GLPoint<double>& legStart, const PARR::GLPoint<double>& legEnd,
                       SegmentReshape reshape);
    ~MoveSegmentCommand() override;

    // "Edit Line".
    std::string shortDescription() const override;
    void execute(PARR::ErrorHolder& errors) override;

    // `delta` with the component along the leg from `legStart` to `legEnd` dropped when its
    // magnitude is below kDeadZone.
    static PARR::GLPoint<double> dampedAlongLeg(const PARR::GLPoint<double>& delta,
                                                const PARR::GLPoint<double>& legStart,
                                                const PARR::GLPoint<double>& legEnd);

private:
    PARR::GLPoint<double> delta_;
    PARR::GLPoint<double> legStart_;
    PARR::GLPoint<double> legEnd_;
    SegmentReshape reshape_;
};

}  // namespace Vantor
