#pragma once

#include <set>
#include <unordered_set>
#include <utility>
#include <vector>

#include "application/Export.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// Divides a line whose segments no longer hang together into one line per connected piece.
// Element deletion runs it on every line it repaired.
//
// Pieces are found by walking from segment to segment through solder joints; ports and free
// ends end the walk. The piece reached from the segment with the smallest handle identity
// stays in the original line; every further piece, in the same order, moves into a new line
// of the original's type in the original's diagram. Joints that no segment reaches stay in
// the original line. A cycle of segments is walked once: no element is visited twice.
//
// Changes the model in the caller's open transaction on the line's instance. Used once.
class VANTOR_EXPORT LinePieceSplitter {
public:
    explicit LinePieceSplitter(const VTQUILL::Line& line);

    // Divides the line; returns the lines that hold the pieces, the original first. A stale
    // line or a line without segments gives an empty list and changes nothing.
    std::vector<VTQUILL::Line> split();

private:
    // An element to visit and the element it was reached from (empty for a walk's start).
    using Visit = std::pair<QUILL::ImmutableClassObject, QUILL::ImmutableClassObject>;

    void walkFrom(const VTQUILL::Segment& start);
    void visitSegment(const VTQUILL::Segment& segment, const QUILL::ImmutableClassObject& from,
                      std::vector<Visit>& pending);
    void visitSolderJoint(const VTQUILL::SolderJoint& joint,
                          const QUILL::ImmutableClassObject& from, std::vector<Visit>& pending);

    VTQUILL::Line line_;
    VTQUILL::Line receivingLine_;
    // The segments still to be walked, ordered by handle identity.
    std::set<VTQUILL::Segment> open_;
    std::unordered_set<QUILL::ObjectId> visitedJoints_;
};

}  // namespace Vantor
