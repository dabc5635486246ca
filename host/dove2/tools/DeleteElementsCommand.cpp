#include "dove2/tools/DeleteElementsCommand.h"

#include <utility>

#include "dove2/GraphEdge.h"
#include "dove2/GraphNode.h"
#include "dove2/tools/GraphEdgeLinks.h"
#include "parr/GSet.h"

namespace DOVE2 {

namespace {

bool hasAncestorIn(const QUILL::ImmutableClassObject& object,
                   const PARR::GSet<QUILL::ObjectId>& ids) {
    for (QUILL::ImmutableClassObject c = object.getContainer(); c.isValid(); c = c.getContainer()) {
        if (ids.contains(c.getObjectId()))
            return true;
    }
    return false;
}

// Adds the edges inside `object`'s subtree, and those attached to its graph nodes, to `out`
// (each once).
void collectEdges(const QUILL::ImmutableClassObject& object, PARR::GSet<QUILL::ObjectId>& seen,
                  std::vector<QUILL::ClassObject>& out) {
    auto add = [&](const QUILL::ImmutableClassObject& edge) {
        if (GraphEdge(edge).isValid() && seen.insert(edge.getObjectId()))
            out.emplace_back(edge);
    };
    add(object);
    if (const GraphNode node(object); node.isValid()) {
        for (const QUILL::ImmutableClassObject& edge : node.getEdges())
            add(edge);
    }
    for (const QUILL::ImmutableClassObject& child : object.getContained())
        collectEdges(child, seen, out);
}

}  // namespace

DeleteElementsCommand::DeleteElementsCommand(const QUILL::Model& model,
                                             PARR::GSet<DiagramElement> elements,
                                             std::string description)
    : Command(model), elements_(std::move(elements)), description_(std::move(description)) {}

DeleteElementsCommand::~DeleteElementsCommand() = default;

void DeleteElementsCommand::execute(PARR::ErrorHolder& /*errors*/) {
    const std::vector<QUILL::ClassObject> doomed = outermostElements();
    const std::vector<QUILL::ClassObject> edges = edgesToDelete(doomed);
    // Unlink every edge before anything goes, while both of its ends can still be read.
    for (const QUILL::ClassObject& edge : edges)
        GraphEdgeLinks::unlinkFromEnds(edge);
    for (const QUILL::ClassObject& edge : edges) {
        if (edge.isValid())
            edge.destroy();
    }
    for (const QUILL::ClassObject& element : doomed) {
        if (element.isValid())
            element.destroy();
    }
}

std::vector<QUILL::ClassObject> DeleteElementsCommand::outermostElements() const {
    PARR::GSet<QUILL::ObjectId> ids;
    std::vector<QUILL::ClassObject> here;
    for (const DiagramElement& element : elements_) {
        const DiagramElement bound(element.asDeviant(getModel()));
        if (bound.isValid() && ids.insert(bound.getObjectId()))
            here.push_back(bound);
    }
    std::vector<QUILL::ClassObject> outermost;
    for (const QUILL::ClassObject& element : here) {
        if (!hasAncestorIn(element, ids))
            outermost.push_back(element);
    }
    return outermost;
}

std::vector<QUILL::ClassObject> DeleteElementsCommand::edgesToDelete(
    const std::vector<QUILL::ClassObject>& doomed) {
    PARR::GSet<QUILL::ObjectId> seen;
    std::vector<QUILL::ClassObject> edges;
    for (const QUILL::ClassObject& element : doomed)
        collectEdges(element, seen, edges);
    return edges;
}

}  // namespace DOVE2
