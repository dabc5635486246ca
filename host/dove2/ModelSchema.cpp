#include "dove2/ModelSchema.h"

#include "quill/TypeRegistry.h"

namespace DOVE2 {

using QUILL::ValueKind;

const ModelSchema& ModelSchema::get() {
    static const ModelSchema schema = [] {
        auto& registry = QUILL::TypeRegistry::instance();
        QUILL::Type& diagram = registry.define("DOVE2.Diagram");
        const auto& diagramName = diagram.addAttribute("name", ValueKind::String);
        QUILL::Type& element = registry.define("DOVE2.DiagramElement");
        const auto& position = element.addAttribute("position", ValueKind::Point);
        const auto& size = element.addAttribute("size", ValueKind::Point);
        QUILL::Type& graphElement = registry.define("DOVE2.GraphElement", &element);
        QUILL::Type& graphNode = registry.define("DOVE2.GraphNode", &graphElement);
        const auto& edges = graphNode.addAttribute("edges", ValueKind::ReferenceList);
        QUILL::Type& graphEdge = registry.define("DOVE2.GraphEdge", &graphElement);
        const auto& path = graphEdge.addAttribute("path", ValueKind::Path);
        const auto& src = graphEdge.addAttribute("src", ValueKind::Reference);
        const auto& dst = graphEdge.addAttribute("dst", ValueKind::Reference);
        return ModelSchema{diagram,  element, graphElement, graphNode, graphEdge, diagramName,
                           position, size,    edges,        path,      src,       dst};
    }();
    return schema;
}

}  // namespace DOVE2
