#pragma once

#include "application/Export.h"
#include "dove2/DiagramElement.h"
#include "dove2/GraphEdge.h"
#include "parr/GHash.h"
#include "parr/GLRect.h"
#include "tools/SegmentRouteHint.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// What a move drags along besides the elements it moves: the lines attached to the moving
// elements, sorted by what each of their parts must do while the elements move.
//
//  - carriedElements: solder joints lying among the moving blocks and free segment ends
//    (terminators) of segments with a moving end; they travel by the same displacement;
//  - translatedSegments: segments both of whose ends move; their path is shifted whole;
//  - reroutedSegments: segments with exactly one moving end; routed again at each step from
//    their hint in routeHints (taken from the root when the sets are built);
//  - attachedLines: every line with a segment at a moving node or at a node inside one;
//  - reshapedLines: the attached lines with a rerouted segment. Only they need a clean-up
//    after a step: a line whose every part moved by the same displacement keeps its shape.
//
// A plain value; handles are bound to the instance of the moving set they were built from.
struct VANTOR_EXPORT AttachedLineSets {
    using Elements = PARR::GHash<DOVE2::DiagramElement>;

    Elements carriedElements;
    PARR::GHash<DOVE2::GraphEdge> translatedSegments;
    PARR::GHash<DOVE2::GraphEdge> reroutedSegments;
    SegmentRouteHints routeHints;
    PARR::GHash<VTQUILL::Line> attachedLines;
    PARR::GHash<VTQUILL::Line> reshapedLines;

    // Fills the sets for `moving` (the elements a move gesture moves), in the order the steps
    // depend on: collect the attached lines, carry the solder joints among the moving blocks,
    // carry the free ends, sort the segments (a carried joint or end counts as moving).
    void build(const Elements& moving);

    // True when `element`, or a container of it (following getContainer up), is in `set`;
    // false for an invalid handle.
    static bool isMovingWithAncestors(const QUILL::ImmutableClassObject& element,
                                      const Elements& set);

private:
    void collectLines(const QUILL::ImmutableClassObject& node);
    void carrySolderJoints(const VTQUILL::Line& line, const Elements& moving);
    void carryFreeEnds(const VTQUILL::Line& line, const Elements& moving);
    void sortSegments(const VTQUILL::Line& line, const Elements& moving);
    bool endMoves(const QUILL::ImmutableClassObject& end, const Elements& moving) const;
    static PARR::GLRect<double> movingBlocksBox(const VTQUILL::Line& line, const Elements& moving);
};

// Union of two rectangles where one without area counts as nothing: `a` when `b` has a width
// or height <= 0, `b` when `a` has, else the smallest rectangle holding both.
VANTOR_EXPORT PARR::GLRect<double> unitedBoxes(const PARR::GLRect<double>& a,
                                               const PARR::GLRect<double>& b);

}  // namespace Vantor
