#include "vtquill/file/ModelBuilder.h"

#include "chartix/ChartFactory.h"
#include "chartix/ChartStore.h"
#include "quill/Transaction.h"

namespace VTQUILL::File {

namespace {

std::vector<bool> ownedDiagrams(const ModelDocument& doc) {
    std::vector<bool> owned(doc.diagrams.size(), false);
    for (const DocDiagram& d : doc.diagrams) {
        for (const DocBlock& b : d.blocks) {
            if (b.hasSubsystem)
                owned[b.subsystemIndex] = true;
        }
    }
    return owned;
}

}  // namespace

VTQUILL::Model ModelBuilder::build(const ModelDocument& doc) {
    VTQUILL::Model model(QUILL::Model::create(Schema::get().model));
    try {
        QUILL::Transaction tx(model);
        ModelBuilder(doc, model).populate();
        tx.commit();
    } catch (...) {
        model.close();
        throw;
    }
    return model;
}

ModelBuilder::ModelBuilder(const ModelDocument& doc, VTQUILL::Model model)
    : doc_(doc), model_(std::move(model)) {}

QUILL::ImmutableClassObject ModelBuilder::object(QUILL::ObjectId id) const {
    return QUILL::ImmutableClassObject(model_.getDeviantPtr(), id);
}

void ModelBuilder::populate() {
    model_.getModelObject().set(Schema::get().modelName, doc_.name);
    if (!doc_.simulation.empty())
        model_.setSimulationSettings(doc_.simulation);
    const std::vector<bool> owned = ownedDiagrams(doc_);
    for (std::size_t d = 0; d < doc_.diagrams.size(); ++d) {
        if (owned[d])
            continue;
        VTQUILL::Diagram top(
            QUILL::ClassObject::create(model_, Schema::get().diagram, model_.getModelObject()));
        top.setName(doc_.diagrams[d].name);
        pending_.push_back({&doc_.diagrams[d], top});
    }
    while (!pending_.empty()) {
        const PendingDiagram next = pending_.front();
        pending_.pop_front();
        buildDiagram(*next.doc, next.diagram);
    }
}

void ModelBuilder::buildDiagram(const DocDiagram& doc, const VTQUILL::Diagram& diagram) {
    std::vector<std::vector<QUILL::ObjectId>> ports;
    ports.reserve(doc.blocks.size());
    for (const DocBlock& block : doc.blocks)
        ports.push_back(buildBlock(block, diagram));
    for (const DocLine& line : doc.lines)
        buildLine(line, diagram, ports);
    for (const DocAnnotation& a : doc.annotations) {
        VTQUILL::Annotation annotation = diagram.addAnnotation(a.text);
        annotation.setPosition(a.position);
        annotation.setUseTextAsClickFcn(a.clickFunction);
    }
}

std::vector<QUILL::ObjectId> ModelBuilder::buildBlock(const DocBlock& doc,
                                                      const VTQUILL::Diagram& diagram) {
    const VTQUILL::Block block = diagram.addBlock(doc.type, doc.name);
    block.setPosition(doc.position);
    block.setSize(doc.size);
    block.setLibraryLinkType(doc.libraryLinkType);
    block.setDrawName(doc.drawName);
    block.setMasked(doc.masked);
    block.set(Schema::get().parameters, doc.parameters);
    std::vector<QUILL::ObjectId> ports;
    ports.reserve(doc.ports.size());
    for (const DocPort& p : doc.ports) {
        const VTQUILL::Port port = block.addPort(p.kind, p.position, p.orientation);
        port.set(Schema::get().portNumber, p.number);
        ports.push_back(port.getObjectId());
    }
    if (doc.hasSubsystem) {
        const DocDiagram& inner = doc_.diagrams[doc.subsystemIndex];
        const VTQUILL::Diagram diagramInside = block.addSubsystemDiagram();
        diagramInside.setName(inner.name);
        pending_.push_back({&inner, diagramInside});
    }
    // The chart is a model of its own, owned by the block from now on; if the build fails,
    // the store closes it with this model.
    if (doc.hasChart)
        CHARTIX::ChartStore::instance().attach(block, CHARTIX::ChartFactory::create(doc.chart));
    return ports;
}

void ModelBuilder::buildLine(const DocLine& doc, const VTQUILL::Diagram& diagram,
                             const std::vector<std::vector<QUILL::ObjectId>>& ports) {
    const VTQUILL::Line line = diagram.addLine(doc.type);
    line.setLabel(doc.label);
    std::vector<QUILL::ObjectId> joints;
    joints.reserve(doc.joints.size());
    for (const DocJoint& j : doc.joints)
        joints.push_back(line.addSolderJoint(j.position).getObjectId());
    for (const DocSegment& segment : doc.segments)
        buildSegment(segment, line, joints, ports);
}

void ModelBuilder::buildSegment(const DocSegment& doc, const VTQUILL::Line& line,
                                const std::vector<QUILL::ObjectId>& joints,
                                const std::vector<std::vector<QUILL::ObjectId>>& ports) {
    const VTQUILL::Segment segment = line.addSegment();
    segment.setPath(doc.vertices);
    for (const DocLabel& l : doc.labels)
        segment.addLabel(l.location).setFlipped(l.flipped);
    for (std::size_t t = 0; t < doc.terminators.size(); ++t) {
        const DocTerminator& entry = doc.terminators[t];
        const bool atSource = doc.source.kind == EndKind::Terminator && doc.source.index == t;
        const VTQUILL::Terminator terminator = atSource ? segment.addSrcTerminator(entry.position)
                                                        : segment.addDstTerminator(entry.position);
        terminator.setType(entry.type);
    }
    const auto elementAt = [&](const DocEnd& end) {
        return end.kind == EndKind::Port ? object(ports[end.owner][end.index])
                                         : object(joints[end.index]);
    };
    if (doc.source.kind == EndKind::Port || doc.source.kind == EndKind::Joint)
        segment.setSrcElement(elementAt(doc.source));
    if (doc.destination.kind == EndKind::Port || doc.destination.kind == EndKind::Joint)
        segment.setDstElement(elementAt(doc.destination));
}

}  // namespace VTQUILL::File
