#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "vtquill/file/ElementLocation.h"
#include "vtquill/file/ModelDocument.h"

namespace VTQUILL::File {

// Checks what ties the elements of a decoded document together, and resolves its references
// in place (segment ends, subsystem diagrams) so that ModelBuilder can build it without
// further checks:
//  - every coordinate, size and orientation is within CoordinateRange;
//  - every id is unique in the file;
//  - every block type is known;
//  - a block's subsystem names a diagram that no other block names and that does not
//    contain the block (no containment cycle);
//  - a segment end names a port of a block in the segment's own diagram, a solder joint of
//    the segment's own line or a terminator of the segment itself; a port holds at most one
//    segment end; each terminator ends exactly one end of its segment.
// The first violation in document order is thrown as ModelFileError with the JSON path of
// the offending field.
class DocumentValidator {
public:
    using BlockTypeCheck = std::function<bool(const std::string& type)>;

    explicit DocumentValidator(BlockTypeCheck isKnownBlockType);

    void validate(ModelDocument& doc);

private:
    using Kind = ElementLocation::Kind;

    static void checkNumbers(const ModelDocument& doc);
    static void checkNumbers(const DocLine& line, const ElementLocation& where);
    void collectIds(const ModelDocument& doc);
    void enter(const FileId& id, const ElementLocation& at);
    void checkBlockTypes(const ModelDocument& doc) const;
    void resolveSubsystems(ModelDocument& doc);
    void checkContainmentCycles(const ModelDocument& doc) const;
    void resolveSegmentEnds(ModelDocument& doc);
    void resolveEnd(DocEnd& end, const ElementLocation& segment, const char* field);
    void checkTerminatorsAreUsed(const DocSegment& segment, const ElementLocation& at) const;
    // The element with that id; throws naming `place` when there is none.
    const ElementLocation& lookup(const FileId& id, const std::string& place) const;

    BlockTypeCheck isKnownBlockType_;
    std::unordered_map<std::string, ElementLocation> ids_;
    // For each diagram: the block whose subsystem it is (Kind::Block), or none (Kind::Diagram).
    std::vector<ElementLocation> ownerOf_;
    // Port id key -> the segment holding it.
    std::unordered_map<std::string, ElementLocation> portHolders_;
};

}  // namespace VTQUILL::File
