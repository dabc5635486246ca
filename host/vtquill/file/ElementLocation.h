#pragma once

#include <cstdint>
#include <string>

namespace VTQUILL::File {

// Where an element sits in a ModelDocument, by indexes, and its JSON path in the file.
// `diagram` indexes the document's diagrams; `owner` the block, line or annotation in that
// diagram; `item` the port (of a block) or the joint or segment (of a line); `sub` the
// terminator of a segment. Fields a kind does not use are 0.
struct ElementLocation {
    enum class Kind { Diagram, Block, Port, Line, Joint, Segment, Terminator, Annotation };

    Kind kind = Kind::Diagram;
    std::uint32_t diagram = 0;
    std::uint32_t owner = 0;
    std::uint32_t item = 0;
    std::uint32_t sub = 0;

    // "diagrams[0].lines[2].segments[1]" and the like.
    std::string toString() const;
    // "a block", "a solder joint", ... for messages.
    static const char* describe(Kind kind);
};

}  // namespace VTQUILL::File
