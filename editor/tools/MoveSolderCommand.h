#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/Command.h"
#include "dove2/DiagramElement.h"
#include "dove2/GraphEdge.h"
#include "parr/GHash.h"
#include "parr/GLPoint.h"
#include "tools/SegmentRouteHint.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// "Edit Line": moves a solder joint by a displacement (each coordinate below 5 units
// dropped). The free ends of its dangling branches travel along and those branches are shifted
// whole; every other segment at the joint is routed again from its hint; the joint's line is
// cleaned up. A shifted segment without a path of its own is recorded as changed, so that its
// glyph is drawn again.
class VANTOR_EXPORT MoveSolderCommand : public DOVE2::Command {
public:
    static constexpr double kDeadZone = 5.0;

    MoveSolderCommand(const QUILL::Model& model, const PARR::GLPoint<double>& delta,
                      const VTQUILL::SolderJoint& joint,
                      PARR::GHash<DOVE2::DiagramElement> carriedEnds,
                      PARR::GHash<DOVE2::GraphEdge> translatedSegments,
                      SegmentRouteHints routeHints);
    ~MoveSolderCommand() override;

    // "Edit Line".
    std::string shortDescription() const override;
    void execute(PARR::ErrorHolder& errors) override;

private:
    void shiftTranslated(const PARR::GLPoint<double>& d) const;

    PARR::GLPoint<double> delta_;
    VTQUILL::SolderJoint joint_;
    PARR::GHash<DOVE2::DiagramElement> carriedEnds_;
    PARR::GHash<DOVE2::GraphEdge> translatedSegments_;
    SegmentRouteHints routeHints_;
};

}  // namespace Vantor
