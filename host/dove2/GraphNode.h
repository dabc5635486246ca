#pragma once

#include <utility>
#include <vector>

#include "dove2/GraphElement.h"
#include "quill/Sequence.h"

namespace DOVE2 {

template <class Base>
class GraphNodeReader : public Base {
public:
    using Base::Base;
    // The edges attached to this node, in the order they were attached.
    QUILL::Sequence<QUILL::ImmutableClassObject> getEdges() const {
        const QUILL::RefList& ids = this->template get<QUILL::RefList>(ModelSchema::get().edges);
        std::vector<QUILL::ImmutableClassObject> edges;
        edges.reserve(ids.size());
        for (QUILL::ObjectId id : ids)
            edges.emplace_back(this->instance_, id);
        return QUILL::Sequence<QUILL::ImmutableClassObject>(std::move(edges));
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
