#include "dove2/tools/GraphEdgeLinks.h"

#include <algorithm>

#include "dove2/GraphEdge.h"
#include "dove2/GraphNode.h"
#include "dove2/ModelSchema.h"

namespace DOVE2 {

namespace {

const ModelSchema& schema() {
    return ModelSchema::get();
}

QUILL::ClassObject writable(const QUILL::ImmutableClassObject& object) {
    return QUILL::ClassObject(object);
}

}  // namespace

void GraphEdgeLinks::connect(const QUILL::ClassObject& edge, const QUILL::ImmutableClassObject& src,
                             const QUILL::ImmutableClassObject& dst) {
    if (!GraphEdge(edge).isValid())
        return;
    const QUILL::ObjectId srcId = src.isValid() ? src.getObjectId() : QUILL::kNoObject;
    const QUILL::ObjectId dstId = dst.isValid() ? dst.getObjectId() : QUILL::kNoObject;
    edge.set(schema().src, QUILL::ObjectRef{srcId});
    edge.set(schema().dst, QUILL::ObjectRef{dstId});
    if (src.isValid())
        link(writable(src), edge.getObjectId());
    if (dst.isValid())
        link(writable(dst), edge.getObjectId());
}

void GraphEdgeLinks::unlinkFromEnds(const QUILL::ClassObject& edge) {
    const GraphEdge e(edge);
    if (!e.isValid())
        return;
    for (const QUILL::ImmutableClassObject& end : {e.getSrcElement(), e.getDstElement()}) {
        if (end.isValid())
            unlink(writable(end), e.getObjectId());
    }
}

void GraphEdgeLinks::link(const QUILL::ClassObject& node, QUILL::ObjectId edge) {
    if (!GraphNode(node).isValid())
        return;
    QUILL::RefList edges = node.get<QUILL::RefList>(schema().edges);
    if (std::find(edges.begin(), edges.end(), edge) != edges.end())
        return;
    edges.push_back(edge);
    node.set(schema().edges, std::move(edges));
}

void GraphEdgeLinks::unlink(const QUILL::ClassObject& node, QUILL::ObjectId edge) {
    if (!GraphNode(node).isValid())
        return;
    QUILL::RefList edges = node.get<QUILL::RefList>(schema().edges);
    if (std::erase(edges, edge) == 0)
        return;
    node.set(schema().edges, std::move(edges));
}

}  // namespace DOVE2
