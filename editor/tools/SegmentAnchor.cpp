#include "tools/SegmentAnchor.h"

namespace Vantor {

bool SegmentAnchor::classify(const QUILL::ImmutableClassObject& element, SegmentAnchor& anchor) {
    anchor = SegmentAnchor();
    if (const VTQUILL::Port port(element); port.isValid()) {
        if (port.hasEdge())
            return false;
        anchor.kind = Port;
        anchor.port = port;
        return true;
    }
    if (const VTQUILL::Segment segment(element); segment.isValid()) {
        anchor.kind = Segment;
        anchor.segment = segment;
        anchor.extendsLine = 1;
        anchor.line = segment.getContainer();
        return true;
    }
    if (const VTQUILL::Terminator terminator(element); terminator.isValid()) {
        anchor.kind = Terminator;
        anchor.terminator = terminator;
        anchor.extendsLine = 1;
        anchor.line = VTQUILL::Segment(terminator.getContainer()).getContainer();
        return true;
    }
    return false;
}

}  // namespace Vantor
