#pragma once

#include <vector>

#include "quill/Deviant.h"

namespace VTQUILL {

// The rules that keep a block diagram's graph consistent whatever the caller does: a
// segment's end and the edge list of the element at that end always agree, a port holds at
// most one segment, a terminator belongs to (is contained in) the one segment it ends, and
// destroying an element detaches it from everything that refers to it. All operations work
// inside the caller's open transaction on `d`.
class Topology {
public:
    enum class End { Source, Destination };

    // Attaches `end` of `segment` to `element` (kNoObject: to nothing) and detaches it from
    // the element it had. Setting the element it already has changes nothing. A port that
    // already holds another segment, or an element that is not a port, solder joint or
    // terminator, is refused (QUILL::Exception) before anything changes.
    static void setSegmentEnd(QUILL::Deviant& d, QUILL::ObjectId segment, End end,
                              QUILL::ObjectId element);

    // Destroys the element with everything it contains after detaching every segment end and
    // edge-list entry that refers into it from outside. The terminators of a destroyed
    // segment whose line survives stay, detached, in that line (a caller re-attaches or
    // destroys them; unattached ones are removed when the transaction commits).
    static void destroyElement(QUILL::Deviant& d, QUILL::ObjectId element);

    // Commit hook: removes every touched terminator that is attached to no segment.
    static void removeOrphanTerminators(QUILL::Deviant& d,
                                        const std::vector<QUILL::ObjectId>& touched);

private:
    static void detachEdge(QUILL::Deviant& d, QUILL::ObjectId node, QUILL::ObjectId segment);
    static void clearEndsAt(QUILL::Deviant& d, QUILL::ObjectId segment, QUILL::ObjectId node);
    static void checkAttachable(QUILL::Deviant& d, QUILL::ObjectId segment,
                                QUILL::ObjectId element);
    static void releaseTerminator(QUILL::Deviant& d, QUILL::ObjectId terminator);
};

}  // namespace VTQUILL
