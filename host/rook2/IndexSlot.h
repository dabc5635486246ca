#pragma once

#include <cstdint>

#include "parr/GLRect.h"

namespace ROOK2 {

// The bookkeeping a scene keeps inside each node for its spatial index and paint order.
// Written only by Scene and SpatialIndex.
struct IndexSlot {
    bool indexed = false;   // the node is in the spatial index
    bool queued = false;    // the node waits for its index entry to be brought up to date
    bool oversize = false;  // kept in the index's list of very large nodes
    int cellX0 = 0, cellY0 = 0, cellX1 = -1, cellY1 = -1;  // grid cells covered, inclusive
    PARR::GLRect<double> sceneRect;                        // indexed box, scene coordinates
    std::uint64_t paintOrder = 0;      // position in the scene's drawing order (pre-order)
    std::uint32_t queryStamp = 0;      // last query that collected the node (deduplication)
    bool outlined = false;             // a selection outline was last shown around outlineRect
    bool outlineQueued = false;        // the outline waits to be measured again
    PARR::GLRect<double> outlineRect;  // last shown selection outline box, scene coordinates
};

}  // namespace ROOK2
