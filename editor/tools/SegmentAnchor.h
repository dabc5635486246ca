#pragma once

#include <cstdint>

#include "application/Export.h"
#include "quill/ImmutableClassObject.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// What one end of a new segment is attached to: a free port, a free line end (terminator) or
// a segment to branch from; `extendsLine` is 1 when the new segment joins an existing line at
// this end. A plain value whose handles are bound to the instance they were classified in.
struct VANTOR_EXPORT SegmentAnchor {
    enum Kind : std::int32_t { None = 0, Port = 1, Terminator = 2, Segment = 3 };

    std::int32_t kind = None;
    std::int32_t extendsLine = 0;
    VTQUILL::Line line;
    VTQUILL::Port port;
    VTQUILL::Segment segment;
    VTQUILL::Terminator terminator;

    // Classifies `element` into `anchor`: a port without a segment, any segment (its line is
    // extended), or a terminator (its segment's line is extended). False, leaving `anchor` of
    // kind None, for an occupied port, an invalid element or anything else.
    static bool classify(const QUILL::ImmutableClassObject& element, SegmentAnchor& anchor);
};

}  // namespace Vantor
