#pragma once

#include "dove2/GraphElement.h"
#include "parr/Path.h"

namespace DOVE2 {

template <class Base>
class GraphEdgeReader : public Base {
public:
    using Base::Base;
    // The interior vertices, in absolute diagram coordinates, from source to destination.
    const PARR::Path& getPath() const {
        return this->template get<PARR::Path>(ModelSchema::get().path);
    }
    // The element at each end; an empty handle when the end is attached to nothing.
    QUILL::ImmutableClassObject getSrcElement() const { return end(ModelSchema::get().src); }
    QUILL::ImmutableClassObject getDstElement() const { return end(ModelSchema::get().dst); }

    // The path and both ends, read together in one lookup of the edge: what getPath,
    // getSrcElement and getDstElement answer. The path refers into the model: valid until the
    // edge next changes.
    struct Geometry {
        const PARR::Path& path;
        QUILL::ImmutableClassObject src;
        QUILL::ImmutableClassObject dst;
    };
    Geometry getGeometry() const {
        const ModelSchema& schema = ModelSchema::get();
        const QUILL::ObjectState& state = this->state();
        QUILL_ASSERT(state.type->isKindOf(schema.graphEdge),
                     state.type->getQualifiedName() + " is not a graph edge");
        return {std::get<PARR::Path>(state.values[schema.path.getIndex()]),
                endIn(state, schema.src), endIn(state, schema.dst)};
    }

private:
    QUILL::ImmutableClassObject endIn(const QUILL::ObjectState& state,
                                      const QUILL::Attribute& a) const {
        const QUILL::ObjectId id = std::get<QUILL::ObjectRef>(state.values[a.getIndex()]).id;
        return id == QUILL::kNoObject ? QUILL::ImmutableClassObject()
                                      : QUILL::ImmutableClassObject(this->instance_, id);
    }
    QUILL::ImmutableClassObject end(const QUILL::Attribute& a) const {
        const QUILL::ObjectId id = this->template get<QUILL::ObjectRef>(a).id;
        return id == QUILL::kNoObject ? QUILL::ImmutableClassObject()
                                      : QUILL::ImmutableClassObject(this->instance_, id);
    }
};

class ImmutableGraphEdge : public GraphEdgeReader<ImmutableGraphElement> {
    DOVE2_TYPED_HANDLE(ImmutableGraphEdge, GraphEdgeReader, ModelSchema::get().graphEdge)
};

class GraphEdge : public GraphEdgeReader<GraphElement> {
    DOVE2_TYPED_HANDLE(GraphEdge, GraphEdgeReader, ModelSchema::get().graphEdge)
    void setPath(const PARR::Path& path) const { set(ModelSchema::get().path, path); }
    operator ImmutableGraphEdge() const { return ImmutableGraphEdge(instance_, id_); }
};

}  // namespace DOVE2
