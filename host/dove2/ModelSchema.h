#pragma once

#include "quill/Attribute.h"
#include "quill/Type.h"

namespace DOVE2 {

// The framework's model metaclasses, which typed domain classes derive from, and their
// attributes. Defined once, on first use.
//
//   DOVE2.Diagram            name
//   DOVE2.DiagramElement     position (relative to the container), size (width, height)
//   DOVE2.GraphElement       (a DiagramElement)
//   DOVE2.GraphNode          edges: the edges attached to the node, in attachment order
//   DOVE2.GraphEdge          path (interior vertices, absolute diagram coordinates), src, dst
struct ModelSchema {
    const QUILL::Type& diagram;
    const QUILL::Type& diagramElement;
    const QUILL::Type& graphElement;
    const QUILL::Type& graphNode;
    const QUILL::Type& graphEdge;
    const QUILL::Attribute& diagramName;
    const QUILL::Attribute& position;
    const QUILL::Attribute& size;
    const QUILL::Attribute& edges;
    const QUILL::Attribute& path;
    const QUILL::Attribute& src;
    const QUILL::Attribute& dst;

    static const ModelSchema& get();
};

}  // namespace DOVE2
