#include "vtquill/file/ModelExtractor.h"

#include <algorithm>

#include "chartix/ChartFactory.h"
#include "chartix/ChartStore.h"

namespace VTQUILL::File {

namespace {

const Schema& schema() {
    return Schema::get();
}

const DOVE2::ModelSchema& base() {
    return DOVE2::ModelSchema::get();
}

template <class T>
const T& valueOf(const QUILL::ObjectState& s, const QUILL::Attribute& a) {
    return std::get<T>(s.values[a.getIndex()]);
}

PARR::GLPoint<double> pointOf(const QUILL::ObjectState& s, const QUILL::Attribute& a) {
    return valueOf<PARR::GLPoint<double>>(s, a);
}

}  // namespace

ModelDocument ModelExtractor::extract(const VTQUILL::Model& model) {
    ModelExtractor extractor(model.getDeviant());
    ModelDocument doc;
    doc.name = model.getName();
    doc.simulation = model.getSimulationSettings();
    // Depth first with an explicit stack: subsystems may nest deeper than the call stack.
    std::vector<QUILL::ObjectId> stack;
    extractor.forEachChild(extractor.state(model.getDeviant().getModelObject()), [&](Object o) {
        if (o.state->type->isKindOf(schema().diagram))
            stack.push_back(o.id);
    });
    std::reverse(stack.begin(), stack.end());
    std::vector<QUILL::ObjectId> inner;
    while (!stack.empty()) {
        const QUILL::ObjectId next = stack.back();
        stack.pop_back();
        inner.clear();
        doc.diagrams.push_back(extractor.extractDiagram({next, &extractor.state(next)}, inner));
        stack.insert(stack.end(), inner.rbegin(), inner.rend());
    }
    extractor.resolveReferences(doc);
    return doc;
}

ModelExtractor::ModelExtractor(const QUILL::Deviant& instance) : d_(instance) {
    ids_.reserve(instance.getRootDeviant().ownEntryCount());
}

const QUILL::ObjectState& ModelExtractor::state(QUILL::ObjectId id) const {
    const State* s = d_.find(id);
    if (!s)
        QUILL::throwNullRef();
    return *s;
}

FileId ModelExtractor::assign(QUILL::ObjectId id) {
    const std::uint64_t fileId = nextId_++;
    ids_.emplace(id, fileId);
    return FileId{std::to_string(fileId)};
}

template <class F>
void ModelExtractor::forEachChild(const State& parent, F f) const {
    for (QUILL::ObjectId c = parent.firstChild; c != QUILL::kNoObject;) {
        const State& child = state(c);
        f(Object{c, &child});
        c = child.nextSibling;
    }
}

DocDiagram ModelExtractor::extractDiagram(Object diagram, std::vector<QUILL::ObjectId>& inner) {
    DocDiagram d;
    d.id = assign(diagram.id);
    d.name = valueOf<std::string>(*diagram.state, base().diagramName);
    std::vector<Object> blocks, lines, annotations;
    forEachChild(*diagram.state, [&](Object o) {
        const QUILL::Type& type = *o.state->type;
        if (type.isKindOf(schema().block))
            blocks.push_back(o);
        else if (type.isKindOf(schema().line))
            lines.push_back(o);
        else if (type.isKindOf(schema().annotation))
            annotations.push_back(o);
    });
    d.blocks.reserve(blocks.size());
    for (Object block : blocks) {
        d.blocks.push_back(extractBlock(block));
        if (d.blocks.back().hasSubsystem)
            inner.push_back(d.blocks.back().subsystemObject);
    }
    d.lines.reserve(lines.size());
    for (Object line : lines)
        d.lines.push_back(extractLine(line));
    for (Object annotation : annotations)
        d.annotations.push_back(extractAnnotation(annotation));
    return d;
}

DocBlock ModelExtractor::extractBlock(Object block) {
    const State& s = *block.state;
    DocBlock b;
    b.id = assign(block.id);
    b.type = valueOf<std::string>(s, schema().blockType);
    b.name = valueOf<std::string>(s, schema().blockName);
    b.position = pointOf(s, base().position);
    b.size = pointOf(s, base().size);
    b.libraryLinkType = valueOf<std::string>(s, schema().libraryLinkType);
    b.drawName = valueOf<bool>(s, schema().drawName);
    b.masked = valueOf<bool>(s, schema().masked);
    b.parameters = valueOf<QUILL::StringMap>(s, schema().parameters);
    forEachChild(s, [&](Object o) {
        const State& child = *o.state;
        if (child.type->isKindOf(schema().port)) {
            b.ports.push_back(DocPort{assign(o.id), valueOf<std::string>(child, schema().portType),
                                      valueOf<std::int64_t>(child, schema().portNumber),
                                      pointOf(child, base().position),
                                      valueOf<double>(child, schema().orientation)});
        } else if (child.type->isKindOf(schema().diagram) && !b.hasSubsystem) {
            b.hasSubsystem = true;
            b.subsystemObject = o.id;
        }
    });
    const QUILL::Model chart = CHARTIX::ChartStore::instance().findChart(block.id);
    if (b.type == "Chart" && chart.isValid()) {
        b.hasChart = true;
        b.chart = CHARTIX::ChartFactory::read(chart);
    }
    return b;
}

DocLine ModelExtractor::extractLine(Object line) {
    DocLine l;
    l.id = assign(line.id);
    l.type = valueOf<std::string>(*line.state, schema().lineType);
    l.label = valueOf<std::string>(*line.state, schema().lineLabel);
    std::vector<Object> segments;
    forEachChild(*line.state, [&](Object o) {
        if (o.state->type->isKindOf(schema().solderJoint))
            l.joints.push_back(DocJoint{assign(o.id), pointOf(*o.state, base().position)});
        else if (o.state->type->isKindOf(schema().segment))
            segments.push_back(o);
    });
    l.segments.reserve(segments.size());
    for (Object segment : segments)
        l.segments.push_back(extractSegment(segment));
    return l;
}

DocSegment ModelExtractor::extractSegment(Object segment) {
    const State& s = *segment.state;
    DocSegment seg;
    seg.id = assign(segment.id);
    seg.source.object = valueOf<QUILL::ObjectRef>(s, base().src).id;
    seg.destination.object = valueOf<QUILL::ObjectRef>(s, base().dst).id;
    seg.vertices = valueOf<PARR::Path>(s, base().path);
    forEachChild(s, [&](Object o) {
        const State& child = *o.state;
        const bool atAnEnd = o.id == seg.source.object || o.id == seg.destination.object;
        if (child.type->isKindOf(schema().terminator) && atAnEnd) {
            seg.terminators.push_back(
                DocTerminator{assign(o.id), valueOf<std::string>(child, schema().terminatorType),
                              pointOf(child, base().position)});
        } else if (child.type->isKindOf(schema().segmentLabel)) {
            seg.labels.push_back(DocLabel{valueOf<std::int64_t>(child, schema().labelLocation),
                                          valueOf<bool>(child, schema().labelFlipped)});
        }
    });
    return seg;
}

DocAnnotation ModelExtractor::extractAnnotation(Object annotation) {
    const State& s = *annotation.state;
    return DocAnnotation{assign(annotation.id), valueOf<std::string>(s, schema().annotationText),
                         pointOf(s, base().position), valueOf<bool>(s, schema().useTextAsClickFcn)};
}

void ModelExtractor::resolveReferences(ModelDocument& doc) const {
    for (DocDiagram& d : doc.diagrams) {
        for (DocBlock& b : d.blocks) {
            if (b.hasSubsystem)
                b.subsystem = FileId{std::to_string(ids_.at(b.subsystemObject))};
        }
        for (DocLine& l : d.lines) {
            for (DocSegment& s : l.segments) {
                resolve(s.source);
                resolve(s.destination);
            }
        }
    }
}

void ModelExtractor::resolve(DocEnd& end) const {
    const auto it = ids_.find(end.object);
    end.attached = end.object != QUILL::kNoObject && it != ids_.end();
    if (end.attached)
        end.target = FileId{std::to_string(it->second)};
}

}  // namespace VTQUILL::File
