#include "vtquill/file/DocumentValidator.h"

#include "vtquill/file/CoordinateRange.h"
#include "vtquill/file/ModelFileError.h"

namespace VTQUILL::File {

namespace {

using Kind = ElementLocation::Kind;

ElementLocation at(Kind kind, std::size_t d, std::size_t owner = 0, std::size_t item = 0,
                   std::size_t sub = 0) {
    return ElementLocation{kind, static_cast<std::uint32_t>(d), static_cast<std::uint32_t>(owner),
                           static_cast<std::uint32_t>(item), static_cast<std::uint32_t>(sub)};
}

std::string field(const ElementLocation& where, const char* name) {
    return where.toString() + '.' + name;
}

void checkNumber(double value, const ElementLocation& where, const char* name) {
    if (!CoordinateRange::contains(value))
        throw ModelFileError(field(where, name), CoordinateRange::problem(value));
}

void checkPoint(const PARR::GLPoint<double>& p, const ElementLocation& where, const char* name) {
    checkNumber(p.x, where, name);
    checkNumber(p.y, where, name);
}

// Only a chart block has a chart; its states' numbers are checked like the block's own.
void checkChart(const DocBlock& block, const ElementLocation& where) {
    if (!block.hasChart)
        return;
    if (block.type != "Chart")
        throw ModelFileError(field(where, "chart"), "only a block of type \"Chart\" has a chart");
    for (const CHARTIX::StateContent& state : block.chart.states) {
        checkPoint(state.position, where, "chart.states.position");
        checkPoint(state.size, where, "chart.states.size");
    }
}

}  // namespace

DocumentValidator::DocumentValidator(BlockTypeCheck isKnownBlockType)
    : isKnownBlockType_(std::move(isKnownBlockType)) {}

void DocumentValidator::validate(ModelDocument& doc) {
    // Numbers first: they concern each element alone. Then ids: every later check looks
    // elements up by id.
    checkNumbers(doc);
    collectIds(doc);
    checkBlockTypes(doc);
    resolveSubsystems(doc);
    checkContainmentCycles(doc);
    resolveSegmentEnds(doc);
}

void DocumentValidator::checkNumbers(const ModelDocument& doc) {
    for (std::size_t d = 0; d < doc.diagrams.size(); ++d) {
        const DocDiagram& diagram = doc.diagrams[d];
        for (std::size_t b = 0; b < diagram.blocks.size(); ++b) {
            const DocBlock& block = diagram.blocks[b];
            checkPoint(block.position, at(Kind::Block, d, b), "position");
            checkPoint(block.size, at(Kind::Block, d, b), "size");
            for (std::size_t p = 0; p < block.ports.size(); ++p) {
                checkPoint(block.ports[p].position, at(Kind::Port, d, b, p), "position");
                checkNumber(block.ports[p].orientation, at(Kind::Port, d, b, p), "orientation");
            }
            checkChart(block, at(Kind::Block, d, b));
        }
        for (std::size_t l = 0; l < diagram.lines.size(); ++l)
            checkNumbers(diagram.lines[l], at(Kind::Line, d, l));
        for (std::size_t a = 0; a < diagram.annotations.size(); ++a)
            checkPoint(diagram.annotations[a].position, at(Kind::Annotation, d, a), "position");
    }
}

void DocumentValidator::checkNumbers(const DocLine& line, const ElementLocation& where) {
    const std::size_t d = where.diagram, l = where.owner;
    for (std::size_t j = 0; j < line.joints.size(); ++j)
        checkPoint(line.joints[j].position, at(Kind::Joint, d, l, j), "position");
    for (std::size_t s = 0; s < line.segments.size(); ++s) {
        const DocSegment& segment = line.segments[s];
        for (std::size_t v = 0; v < segment.vertices.size(); ++v) {
            const PARR::GLPoint<double>& p = segment.vertices[v];
            if (CoordinateRange::contains(p.x) && CoordinateRange::contains(p.y))
                continue;
            const std::string vertex = "vertices[" + std::to_string(v) + ']';
            checkPoint(p, at(Kind::Segment, d, l, s), vertex.c_str());
        }
        for (std::size_t t = 0; t < segment.terminators.size(); ++t)
            checkPoint(segment.terminators[t].position, at(Kind::Terminator, d, l, s, t),
                       "position");
    }
}

void DocumentValidator::enter(const FileId& id, const ElementLocation& where) {
    const auto [it, added] = ids_.emplace(id.key, where);
    if (!added) {
        throw ModelFileError(
            field(where, "id"),
            "duplicate id " + id.key + "; it is already the id of " + it->second.toString());
    }
}

void DocumentValidator::collectIds(const ModelDocument& doc) {
    ids_.clear();
    std::size_t count = 0;
    for (const DocDiagram& diagram : doc.diagrams) {
        count += 1 + diagram.blocks.size() + diagram.lines.size() + diagram.annotations.size();
        for (const DocBlock& block : diagram.blocks)
            count += block.ports.size();
        for (const DocLine& line : diagram.lines)
            count += line.joints.size() + 2 * line.segments.size();
    }
    ids_.reserve(count);
    for (std::size_t d = 0; d < doc.diagrams.size(); ++d) {
        const DocDiagram& diagram = doc.diagrams[d];
        enter(diagram.id, at(Kind::Diagram, d));
        for (std::size_t b = 0; b < diagram.blocks.size(); ++b) {
            enter(diagram.blocks[b].id, at(Kind::Block, d, b));
            for (std::size_t p = 0; p < diagram.blocks[b].ports.size(); ++p)
                enter(diagram.blocks[b].ports[p].id, at(Kind::Port, d, b, p));
        }
        for (std::size_t l = 0; l < diagram.lines.size(); ++l) {
            const DocLine& line = diagram.lines[l];
            enter(line.id, at(Kind::Line, d, l));
            for (std::size_t j = 0; j < line.joints.size(); ++j)
                enter(line.joints[j].id, at(Kind::Joint, d, l, j));
            for (std::size_t s = 0; s < line.segments.size(); ++s) {
                enter(line.segments[s].id, at(Kind::Segment, d, l, s));
                for (std::size_t t = 0; t < line.segments[s].terminators.size(); ++t)
                    enter(line.segments[s].terminators[t].id, at(Kind::Terminator, d, l, s, t));
            }
        }
        for (std::size_t a = 0; a < diagram.annotations.size(); ++a)
            enter(diagram.annotations[a].id, at(Kind::Annotation, d, a));
    }
}

const ElementLocation& DocumentValidator::lookup(const FileId& id, const std::string& place) const {
    const auto it = ids_.find(id.key);
    if (it == ids_.end())
        throw ModelFileError(place, "no element has the id " + id.key);
    return it->second;
}

void DocumentValidator::checkBlockTypes(const ModelDocument& doc) const {
    for (std::size_t d = 0; d < doc.diagrams.size(); ++d) {
        for (std::size_t b = 0; b < doc.diagrams[d].blocks.size(); ++b) {
            const std::string& type = doc.diagrams[d].blocks[b].type;
            if (!isKnownBlockType_(type)) {
                throw ModelFileError(
                    field(at(Kind::Block, d, b), "type"),
                    "unknown block type \"" + type + "\"; the block library has no such type");
            }
        }
    }
}

void DocumentValidator::resolveSubsystems(ModelDocument& doc) {
    ownerOf_.assign(doc.diagrams.size(), ElementLocation{});
    for (std::size_t d = 0; d < doc.diagrams.size(); ++d) {
        for (std::size_t b = 0; b < doc.diagrams[d].blocks.size(); ++b) {
            DocBlock& block = doc.diagrams[d].blocks[b];
            if (!block.hasSubsystem)
                continue;
            const ElementLocation self = at(Kind::Block, d, b);
            const std::string place = field(self, "subsystem");
            const ElementLocation& target = lookup(block.subsystem, place);
            if (target.kind != Kind::Diagram) {
                throw ModelFileError(place, "the id " + block.subsystem.key + " is " +
                                                ElementLocation::describe(target.kind) +
                                                ", not a diagram");
            }
            ElementLocation& owner = ownerOf_[target.diagram];
            if (owner.kind == Kind::Block) {
                throw ModelFileError(place, "diagram " + block.subsystem.key +
                                                " is already the inner diagram of " +
                                                owner.toString());
            }
            owner = self;
            block.subsystemIndex = target.diagram;
        }
    }
}

void DocumentValidator::checkContainmentCycles(const ModelDocument& doc) const {
    enum : char { Unseen, OnPath, Done };
    std::vector<char> state(doc.diagrams.size(), Unseen);
    std::vector<std::uint32_t> path;
    for (std::uint32_t start = 0; start < doc.diagrams.size(); ++start) {
        path.clear();
        for (std::uint32_t d = start; state[d] != Done;) {
            if (state[d] == OnPath) {
                const ElementLocation& block = ownerOf_[d];
                throw ModelFileError(field(block, "subsystem"),
                                     "its inner diagram " + doc.diagrams[d].id.key +
                                         " contains the block itself (a containment cycle)");
            }
            state[d] = OnPath;
            path.push_back(d);
            if (ownerOf_[d].kind != Kind::Block)
                break;
            d = ownerOf_[d].diagram;
        }
        for (std::uint32_t d : path)
            state[d] = Done;
    }
}

void DocumentValidator::resolveSegmentEnds(ModelDocument& doc) {
    portHolders_.clear();
    for (std::size_t d = 0; d < doc.diagrams.size(); ++d) {
        for (std::size_t l = 0; l < doc.diagrams[d].lines.size(); ++l) {
            auto& segments = doc.diagrams[d].lines[l].segments;
            for (std::size_t s = 0; s < segments.size(); ++s) {
                const ElementLocation self = at(Kind::Segment, d, l, s);
                resolveEnd(segments[s].source, self, "source");
                resolveEnd(segments[s].destination, self, "destination");
                checkTerminatorsAreUsed(segments[s], self);
            }
        }
    }
}

void DocumentValidator::resolveEnd(DocEnd& end, const ElementLocation& segment,
                                   const char* fieldName) {
    if (!end.attached)
        return;
    const std::string place = field(segment, fieldName);
    const ElementLocation& target = lookup(end.target, place);
    const std::string& id = end.target.key;
    switch (target.kind) {
        case Kind::Port: {
            if (target.diagram != segment.diagram) {
                throw ModelFileError(place, "port " + id + " is on a block of another diagram (" +
                                                target.toString() + ")");
            }
            const auto [holder, added] = portHolders_.emplace(id, segment);
            if (!added) {
                throw ModelFileError(place, "port " + id + " already holds a segment end (" +
                                                holder->second.toString() + ")");
            }
            end.kind = EndKind::Port;
            end.owner = target.owner;
            end.index = target.item;
            return;
        }
        case Kind::Joint:
            if (target.diagram != segment.diagram || target.owner != segment.owner) {
                throw ModelFileError(place, "solder joint " + id + " belongs to another line (" +
                                                target.toString() + ")");
            }
            end.kind = EndKind::Joint;
            end.index = target.item;
            return;
        case Kind::Terminator:
            if (target.diagram != segment.diagram || target.owner != segment.owner ||
                target.item != segment.item) {
                throw ModelFileError(place, "terminator " + id + " belongs to another segment (" +
                                                target.toString() + ")");
            }
            end.kind = EndKind::Terminator;
            end.index = target.sub;
            return;
        default:
            throw ModelFileError(place, "the id " + id + " is " +
                                            ElementLocation::describe(target.kind) +
                                            "; a segment ends at a port, a solder joint or a "
                                            "terminator");
    }
}

void DocumentValidator::checkTerminatorsAreUsed(const DocSegment& segment,
                                                const ElementLocation& where) const {
    const auto ends = [&](const DocEnd& end, std::size_t t) {
        return end.kind == EndKind::Terminator && end.index == t;
    };
    for (std::size_t t = 0; t < segment.terminators.size(); ++t) {
        const bool atSource = ends(segment.source, t);
        const bool atDestination = ends(segment.destination, t);
        const std::string place =
            at(Kind::Terminator, where.diagram, where.owner, where.item, t).toString();
        if (atSource && atDestination)
            throw ModelFileError(place, "the terminator ends both ends of its segment");
        if (!atSource && !atDestination)
            throw ModelFileError(place, "the terminator ends neither end of its segment");
    }
}

}  // namespace VTQUILL::File
