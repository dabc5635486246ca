#include "dove2/tools/CreateEdgeCommand.h"

#include <utility>

#include "dove2/GraphEdge.h"
#include "dove2/GraphNode.h"
#include "dove2/ModelSchema.h"
#include "dove2/tools/GraphEdgeLinks.h"

namespace DOVE2 {

CreateEdgeCommand::CreateEdgeCommand(const QUILL::Model& model, const Diagram& diagram,
                                     const GraphElement& source, const GraphElement& destination,
                                     PARR::Path path)
    : Command(model),
      diagram_(diagram),
      source_(source),
      destination_(destination),
      path_(std::move(path)) {}

CreateEdgeCommand::~CreateEdgeCommand() = default;

void CreateEdgeCommand::execute(PARR::ErrorHolder& errors) {
    const Diagram diagram(diagram_.asDeviant(getModel()));
    const GraphNode source(source_.asDeviant(getModel()));
    const GraphNode destination(destination_.asDeviant(getModel()));
    if (!diagram.isValid() || !source.isValid()) {
        errors.setError(kNoSource, kNoSourceCode);
        return;
    }
    const QUILL::ClassObject edge =
        QUILL::ClassObject::create(getModel(), ModelSchema::get().graphEdge, diagram);
    GraphEdgeLinks::connect(edge, source, destination);
    GraphEdge(edge).setPath(path_);
}

std::string CreateEdgeCommand::shortDescription() const {
    return "Create Edge";
}

}  // namespace DOVE2
