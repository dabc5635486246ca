#include "ReferenceNames.h"

#include <sstream>

#include "dove2/Diagram.h"
#include "vtquill/VTQuill.h"

namespace VantorStudio {

namespace {

// The last part of a qualified class name ("VTQUILL:Annotation" -> "Annotation").
std::string className(const QUILL::ImmutableClassObject& object) {
    const std::string qualified = object.getMetaClass().getQualifiedName();
    const std::size_t colon = qualified.find_last_of(":.");
    return colon == std::string::npos ? qualified : qualified.substr(colon + 1);
}

}  // namespace

std::string ReferenceNames::pointText(const PARR::GLPoint<double>& p) {
    std::ostringstream out;
    out << "(" << p.x << ", " << p.y << ")";
    return out.str();
}

std::string ReferenceNames::nameOf(const QUILL::ImmutableClassObject& object) {
    if (object.getObjectId() == QUILL::kNoObject)
        return {};
    if (!object.isValid())
        return "missing element";
    if (VTQUILL::ImmutablePort(object).isValid())
        return portName(object);
    if (const VTQUILL::ImmutableBlock block(object); block.isValid())
        return block.getName();
    if (const DOVE2::ImmutableDiagram diagram(object); diagram.isValid())
        return diagram.getName();
    if (VTQUILL::ImmutableSegment(object).isValid())
        return segmentName(object);
    if (const VTQUILL::ImmutableSolderJoint joint(object); joint.isValid())
        return "branch point at " + pointText(joint.getPosition());
    if (VTQUILL::ImmutableTerminator(object).isValid())
        return "free end";
    return className(object);
}

// Ports are numbered per kind in the block's order, as the block's icon labels them: a Sum's
// one output is "Out1" whatever number the model gives it among all the block's ports.
std::string ReferenceNames::portName(const QUILL::ImmutableClassObject& object) {
    const VTQUILL::ImmutablePort port(object);
    const std::string& type = port.getType();
    const char* kind = type == VTQUILL::kInPort ? "In" : type == VTQUILL::kOutPort ? "Out" : "Conn";
    const VTQUILL::ImmutableBlock block = port.getContainer();
    if (!block.isValid())
        return kind;
    int number = 0;
    for (const VTQUILL::ImmutablePort& each : block.getContained()) {
        if (each.getType() == type)
            ++number;
        if (each == port)
            break;
    }
    return block.getName() + "/" + kind + std::to_string(number);
}

std::string ReferenceNames::segmentName(const QUILL::ImmutableClassObject& object) {
    const VTQUILL::ImmutableSegment segment(object);
    const VTQUILL::ImmutableLine line = segment.getContainer();
    if (!line.isValid())
        return "segment";
    int number = 1;
    for (const VTQUILL::ImmutableSegment& each : line.getSegments()) {
        if (each == segment)
            return "segment " + std::to_string(number) + " of the line";
        ++number;
    }
    return "segment";
}

}  // namespace VantorStudio
