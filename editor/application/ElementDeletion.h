#pragma once

#include "application/Export.h"
#include "dove2/DiagramElement.h"
#include "parr/GSet.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// Deletes a set of diagram elements and repairs the lines they leave behind. Blocks, segments
// and annotations are deleted; on a "Signal" line everything downstream of a deleted segment
// goes with it; segment ends at a deleted block's ports become free ends; every line that lost
// a segment is cleaned up, destroyed when empty, and divided into one line per connected
// piece. Application::deleteElements runs it.
//
// Changes the model in the caller's open transaction on the elements' instance. Holds handles
// only; used once. Stale elements are skipped.
class VANTOR_EXPORT ElementDeletion {
public:
    explicit ElementDeletion(const PARR::GSet<DOVE2::DiagramElement>& elements);

    // The three steps in order.
    void run();

    // 1. Fills the deletion set: the segments downstream of every given segment of a "Signal"
    //    line (through solder joints, each reached once), then the given elements.
    void expandDownstream();
    // 2. Deletes each element of the deletion set by kind, noting the lines that lost
    //    segments. Ports, solder joints, terminators and lines are left alone.
    void deleteMarkedElements();
    // 3. Destroys touched lines left without segments; cleans up the others and divides each
    //    into its connected pieces.
    void repairTouchedLines();

    const PARR::GSet<DOVE2::DiagramElement>& deletionSet() const { return deletionSet_; }
    const PARR::GSet<VTQUILL::Line>& touchedLines() const { return touchedLines_; }

private:
    void markDownstreamOf(const VTQUILL::Segment& segment);
    void deleteBlock(const VTQUILL::Block& block);
    void freeEndAtPort(const VTQUILL::Segment& segment, const VTQUILL::Port& port);
    void deleteSegment(const VTQUILL::Segment& segment);
    static void destroyEmptyLine(const VTQUILL::Line& line);

    PARR::GSet<DOVE2::DiagramElement> elements_;
    PARR::GSet<DOVE2::DiagramElement> deletionSet_;
    PARR::GSet<VTQUILL::Line> touchedLines_;
};

}  // namespace Vantor
