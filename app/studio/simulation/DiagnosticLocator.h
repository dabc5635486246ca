#pragma once

#include <set>
#include <string>
#include <vector>

#include "parr/ErrorHolder.h"
#include "quill/ObjectId.h"
#include "vtquill/VTQuill.h"

namespace DOVE2 {
class Editor;
class StudioApp;
}  // namespace DOVE2

namespace VantorStudio {

// Shows on the diagram what a compile or run message names: opens the diagram that holds the
// first named block (a subsystem's inner diagram for a block inside it) and selects there
// every named block of that diagram and the segments that carry a signal from one named block
// to another (an algebraic loop's whole cycle: its blocks and the lines between them, not the
// branches that leave the cycle). The selection is the highlight; the next click clears it.
class DiagnosticLocator {
public:
    // Opens and selects as above. Returns the editor, or null when no named block is in the
    // model (nothing opened) or the diagram cannot be opened (the reason in `errors`).
    static DOVE2::Editor* show(DOVE2::StudioApp& app, const VTQUILL::Model& model,
                               const std::vector<std::string>& blockPaths,
                               PARR::ErrorHolder& errors);
    // The segments of `diagram` on the way from an output of a block of `blocks` to an input
    // of a block of `blocks`, through solder joints.
    static std::vector<VTQUILL::ImmutableSegment> segmentsBetween(
        const VTQUILL::ImmutableDiagram& diagram, const std::set<QUILL::ObjectId>& blocks);
};

}  // namespace VantorStudio
