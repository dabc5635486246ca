#include "vtquill/Schema.h"

#include "dove2/ModelSchema.h"
#include "quill/Deviant.h"
#include "quill/TypeRegistry.h"
#include "vtquill/Topology.h"

namespace VTQUILL {

using QUILL::ValueKind;

const Schema& Schema::get() {
    static const Schema schema = [] {
        const auto& base = DOVE2::ModelSchema::get();
        auto& r = QUILL::TypeRegistry::instance();
        QUILL::Type& model = r.define("VTQUILL.Model");
        const auto& modelName = model.addAttribute("name", ValueKind::String);
        const auto& simulation = model.addAttribute("simulation", ValueKind::StringMap);
        QUILL::Type& diagram = r.define("VTQUILL.Diagram", &base.diagram);
        QUILL::Type& block = r.define("VTQUILL.Block", &base.graphNode);
        const auto& blockName = block.addAttribute("name", ValueKind::String);
        const auto& blockType = block.addAttribute("type", ValueKind::String);
        const auto& link =
            block.addAttribute("libraryLinkType", ValueKind::String, std::string("None"));
        const auto& drawName = block.addAttribute("drawName", ValueKind::Bool, true);
        const auto& masked = block.addAttribute("masked", ValueKind::Bool);
        const auto& parameters = block.addAttribute("parameters", ValueKind::StringMap);
        QUILL::Type& port = r.define("VTQUILL.Port", &base.graphNode);
        const auto& portType = port.addAttribute("type", ValueKind::String);
        const auto& orientation = port.addAttribute("orientation", ValueKind::Double);
        const auto& portNumber = port.addAttribute("number", ValueKind::Int);
        QUILL::Type& line = r.define("VTQUILL.Line", &base.diagramElement);
        const auto& lineType =
            line.addAttribute("type", ValueKind::String, std::string(kSignalLine));
        const auto& lineLabel = line.addAttribute("label", ValueKind::String);
        QUILL::Type& segment = r.define("VTQUILL.Segment", &base.graphEdge);
        QUILL::Type& joint = r.define("VTQUILL.SolderJoint", &base.graphNode);
        QUILL::Type& terminator = r.define("VTQUILL.Terminator", &base.graphNode);
        const auto& terminatorType = terminator.addAttribute("type", ValueKind::String);
        QUILL::Type& label = r.define("VTQUILL.SegmentLabel", &base.diagramElement);
        const auto& location = label.addAttribute("location", ValueKind::Int);
        const auto& flipped = label.addAttribute("flipped", ValueKind::Bool);
        QUILL::Type& annotation = r.define("VTQUILL.Annotation", &base.diagramElement);
        const auto& text = annotation.addAttribute("text", ValueKind::String);
        const auto& clickFcn = annotation.addAttribute("useTextAsClickFcn", ValueKind::Bool);
        QUILL::Deviant::addCommitHook(&Topology::removeOrphanTerminators);
        return Schema{model,     diagram,     block,      port,       line,      segment,
                      joint,     terminator,  label,      annotation, modelName, simulation,
                      blockName, blockType,   link,       drawName,   masked,    parameters,
                      portType,  orientation, portNumber, lineType,   lineLabel, terminatorType,
                      location,  flipped,     text,       clickFcn};
    }();
    return schema;
}

}  // namespace VTQUILL
