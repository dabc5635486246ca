#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/Command.h"
#include "parr/GLPoint.h"
#include "parr/Path.h"
#include "tools/SegmentAnchor.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// "Create Segment": makes one segment between two anchors and routes it through the corners
// a person clicked. By the anchors, the segment starts a new line ("Connection" from a
// "Connection Port", else "Signal"), extends the line of a free end or of a branched segment,
// or joins two lines into the source's. A free end replaced by the new segment goes, and the
// new segment takes its place and its route as a hint; an end with no anchor becomes a new
// free end at the end point (a segment drawn from an "In Port" runs from that free end into
// the port). The line is cleaned up afterwards.
//
// The command's model is the diagram's model instance (the root for the recorded command, the
// view instance for a preview); the anchors' handles are re-bound to it. Points in absolute
// diagram coordinates: the start point as pressed, the end point rounded by the tool; the
// start point is rounded here where it places a joint.
class VANTOR_EXPORT CreateSegmentCommand : public DOVE2::Command {
public:
    CreateSegmentCommand(const VTQUILL::Diagram& diagram, const SegmentAnchor& source,
                         const SegmentAnchor& destination, const PARR::GLPoint<double>& startPoint,
                         const PARR::GLPoint<double>& endPoint, const PARR::Path& vertexPath);
    ~CreateSegmentCommand() override;

    // "Create Segment".
    std::string shortDescription() const override;
    void execute(PARR::ErrorHolder& errors) override;

    // The path given to the new segment; empty until execute has run.
    const PARR::Path& getResultPath() const { return resultPath_; }
    // The segment made by the last execute (bound to getModel()); empty before.
    const VTQUILL::Segment& getSegment() const { return segment_; }

private:
    struct AttachedEnd {
        QUILL::ImmutableClassObject element;
        std::string endType;
        PARR::Path hint;
    };

    SegmentAnchor rebound(const SegmentAnchor& anchor) const;
    VTQUILL::Line chooseLine(const SegmentAnchor& src, const SegmentAnchor& dst) const;
    AttachedEnd endAt(const SegmentAnchor& anchor, const PARR::GLPoint<double>& point) const;
    void attachFreeEnd(const SegmentAnchor& src, const std::string& endType) const;
    PARR::Path route(const PARR::Path& hint) const;
    PARR::Path routeThroughCorners(const PARR::Path& hint, bool srcHorizontal,
                                   bool dstHorizontal) const;

    VTQUILL::Diagram diagram_;
    SegmentAnchor source_;
    SegmentAnchor destination_;
    PARR::GLPoint<double> startPoint_;
    PARR::GLPoint<double> endPoint_;
    PARR::Path vertexPath_;
    PARR::Path resultPath_;
    VTQUILL::Segment segment_;
};

}  // namespace Vantor
