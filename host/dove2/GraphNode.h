#pragma once

#include "dove2/GraphElement.h"
#include "quill/Sequence.h"

namespace DOVE2 {

template <class Base>
class GraphNodeReader : public Base {
public:
    using Base::Base;
    // The edges attached to this node, in the order they were attached.
    QUILL::Sequence<QUILL::ImmutableClassObject> getEdges() const {
        QUILL::Sequence<QUILL::ImmutableClassObject> result;
        for (QUILL::ObjectId id : this->template get<QUILL::RefList>(ModelSchema::get().edges)) {
            result.push_back(QUILL::ImmutableClassObject(this->instance_, id));
        }
        return result;
    }
};

class ImmutableGraphNode : public GraphNodeReader<ImmutableGraphElement> {
    DOVE2_TYPED_HANDLE(ImmutableGraphNode, GraphNodeReader, ModelSchema::get().graphNode)
};

class GraphNode : public GraphNodeReader<GraphElement> {
    DOVE2_TYPED_HANDLE(GraphNode, GraphNodeReader, ModelSchema::get().graphNode)
    operator ImmutableGraphNode() const { return ImmutableGraphNode(instance_, id_); }
};

}  // namespace DOVE2
