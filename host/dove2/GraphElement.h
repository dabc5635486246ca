#pragma once

#include "dove2/DiagramElement.h"

namespace DOVE2 {

// An element that takes part in a graph: a node or an edge.
class ImmutableGraphElement : public ImmutableDiagramElement {
    DOVE2_TYPED_HANDLE(ImmutableGraphElement, ImmutableDiagramElement,
                       ModelSchema::get().graphElement)
};

class GraphElement : public DiagramElement {
    DOVE2_TYPED_HANDLE(GraphElement, DiagramElement, ModelSchema::get().graphElement)
    operator ImmutableGraphElement() const { return ImmutableGraphElement(instance_, id_); }
};

}  // namespace DOVE2
