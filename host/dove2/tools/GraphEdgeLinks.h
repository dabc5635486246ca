#pragma once

#include "quill/ClassObject.h"

namespace DOVE2 {

// Keeps the two sides of a graph connection in agreement for the framework's generic edges:
// an edge names its end nodes (its "src" and "dst" references) and each end node lists the
// edge among its "edges", in attachment order. Domains with rules of their own (block
// diagrams) keep them with their own operations instead.
//
// Every operation changes the objects in the instance their handles are bound to, inside the
// transaction the caller opened there. Invalid handles are skipped.
class GraphEdgeLinks {
public:
    GraphEdgeLinks() = delete;

    // Sets `edge`'s source and destination to `src` and `dst` (an invalid handle leaves that
    // end free) and appends the edge to the edge list of each valid end node.
    static void connect(const QUILL::ClassObject& edge, const QUILL::ImmutableClassObject& src,
                        const QUILL::ImmutableClassObject& dst);
    // Takes `edge` out of the edge lists of its end nodes; its own references stay.
    static void unlinkFromEnds(const QUILL::ClassObject& edge);
    // Appends / removes one edge id to / from a node's edge list (nothing for a node that is
    // not a graph node, or an edge already listed / not listed).
    static void link(const QUILL::ClassObject& node, QUILL::ObjectId edge);
    static void unlink(const QUILL::ClassObject& node, QUILL::ObjectId edge);
};

}  // namespace DOVE2
