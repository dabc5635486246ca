#include "vtquill/file/ElementLocation.h"

namespace VTQUILL::File {

namespace {

std::string indexed(const char* name, std::uint32_t index) {
    return std::string(name) + '[' + std::to_string(index) + ']';
}

}  // namespace

std::string ElementLocation::toString() const {
    const std::string d = indexed("diagrams", diagram);
    switch (kind) {
        case Kind::Diagram:
            return d;
        case Kind::Block:
            return d + '.' + indexed("blocks", owner);
        case Kind::Port:
            return d + '.' + indexed("blocks", owner) + '.' + indexed("ports", item);
        case Kind::Line:
            return d + '.' + indexed("lines", owner);
        case Kind::Joint:
            return d + '.' + indexed("lines", owner) + '.' + indexed("joints", item);
        case Kind::Segment:
            return d + '.' + indexed("lines", owner) + '.' + indexed("segments", item);
        case Kind::Terminator:
            return d + '.' + indexed("lines", owner) + '.' + indexed("segments", item) + '.' +
                   indexed("terminators", sub);
        case Kind::Annotation:
            return d + '.' + indexed("annotations", owner);
    }
    return d;
}

const char* ElementLocation::describe(Kind kind) {
    switch (kind) {
        case Kind::Diagram:
            return "a diagram";
        case Kind::Block:
            return "a block";
        case Kind::Port:
            return "a port";
        case Kind::Line:
            return "a line";
        case Kind::Joint:
            return "a solder joint";
        case Kind::Segment:
            return "a segment";
        case Kind::Terminator:
            return "a terminator";
        case Kind::Annotation:
            return "an annotation";
    }
    return "an element";
}

}  // namespace VTQUILL::File
