#include "vtquill/VTQuill.h"

#include "quill/Transaction.h"
#include "vtquill/SimulationSettingsValidator.h"

namespace VTQUILL {

using QUILL::ImmutableClassObject;

namespace {

QUILL::Deviant& instanceOf(const QUILL::ImmutableClassObject& o) {
    if (!o.getDeviant())
        QUILL::throwNullRef();
    return *o.getDeviant();
}

template <class T>
T createIn(const QUILL::ImmutableClassObject& container, const QUILL::ImmutableType& type) {
    QUILL::Deviant& d = instanceOf(container);
    return T(&d, d.createObject(type.get(), container.getObjectId()));
}

void refuseEmptyName(const std::string& name, const char* what) {
    if (name.empty()) {
        throw QUILL::Exception(std::string("The name of a ") + what + " cannot be empty.");
    }
}

// Moves `object` into `container`, which must be of `type` (an empty handle detaches).
void moveInto(const QUILL::ClassObject& object, const ImmutableClassObject& container,
              const QUILL::ImmutableType& type, const char* rule) {
    QUILL_ASSERT(!container.isValid() || container.isKindOf(type), rule);
    object.QUILL::ClassObject::setContainer(container);
}

// The line a free end belongs to: the terminator's segment's line.
ImmutableLine lineOfTerminator(const ImmutableTerminator& t) {
    const ImmutableSegment s = t.getEdge();
    return s.isValid() ? s.getContainer() : ImmutableLine();
}

bool isSourceEndOf(const ImmutableTerminator& t) {
    const ImmutableSegment s = t.getEdge();
    return s.isValid() && s.getSrcElement() == t;
}

}  // namespace

// --- Model and factory ---------------------------------------------------------------------

Factory Model::getFactory() const {
    return Factory(*this);
}

const std::string& Model::getName() const {
    return getModelObject().get<std::string>(Schema::get().modelName);
}

const QUILL::StringMap& Model::getSimulationSettings() const {
    return getModelObject().get<QUILL::StringMap>(Schema::get().modelSimulation);
}

void Model::setSimulationSettings(const QUILL::StringMap& settings) const {
    getModelObject().set(Schema::get().modelSimulation,
                         SimulationSettingsValidator::canonical(settings));
}

QUILL::Sequence<Diagram> Model::getDiagrams() const {
    return childrenOfType<Diagram>(getModelObject());
}

Line Factory::createLine() const {
    return createIn<Line>(ImmutableClassObject(model_.getDeviantPtr(), QUILL::kNoObject),
                          Line::MetaClass());
}
Segment Factory::createSegment() const {
    return createIn<Segment>(ImmutableClassObject(model_.getDeviantPtr(), QUILL::kNoObject),
                             Segment::MetaClass());
}
SolderJoint Factory::createSolderJoint() const {
    return createIn<SolderJoint>(ImmutableClassObject(model_.getDeviantPtr(), QUILL::kNoObject),
                                 SolderJoint::MetaClass());
}
Terminator Factory::createTerminator() const {
    return createIn<Terminator>(ImmutableClassObject(model_.getDeviantPtr(), QUILL::kNoObject),
                                Terminator::MetaClass());
}

Model Factory::createNewModel(const std::string& name) {
    refuseEmptyName(name, "model");
    const Schema& schema = Schema::get();
    Model model(QUILL::Model::create(schema.model));
    QUILL::Transaction tx(model);
    model.getModelObject().set(schema.modelName, name);
    createIn<Diagram>(model.getModelObject(), Diagram::MetaClass()).setName(name);
    tx.commit();
    return model;
}

// --- Diagram -------------------------------------------------------------------------------

void Diagram::setName(const std::string& name) const {
    refuseEmptyName(name, "diagram");
    set(DOVE2::ModelSchema::get().diagramName, name);
}

Line Diagram::addLine(const std::string& lineType) const {
    Line line = createIn<Line>(*this, Line::MetaClass());
    line.setType(lineType);
    return line;
}

Block Diagram::addBlock(const std::string& type, const std::string& name) const {
    refuseEmptyName(name, "block");
    Block block = createIn<Block>(*this, Block::MetaClass());
    block.setType(type);
    block.set(Schema::get().blockName, name);
    return block;
}

Annotation Diagram::addAnnotation(const std::string& text) const {
    Annotation a = createIn<Annotation>(*this, Annotation::MetaClass());
    a.setText(text);
    return a;
}

// --- Block and port ------------------------------------------------------------------------

void Block::setName(const std::string& name) const {
    refuseEmptyName(name, "block");
    set(Schema::get().blockName, name);
}

void Block::setParameter(const std::string& name, const std::string& value) const {
    QUILL::StringMap parameters = getParameters();
    auto it = std::find_if(parameters.begin(), parameters.end(),
                           [&](const auto& p) { return p.first == name; });
    if (it != parameters.end()) {
        it->second = value;
    } else {
        parameters.emplace_back(name, value);
    }
    set(Schema::get().parameters, std::move(parameters));
}

Port Block::addPort(const std::string& kind, const PARR::GLPoint<double>& position,
                    double orientation) const {
    const auto number = static_cast<std::int64_t>(getContainedCount());
    Port port = createIn<Port>(*this, Port::MetaClass());
    port.set(Schema::get().portType, kind);
    port.setPosition(position);
    port.setOrientation(orientation);
    port.set(Schema::get().portNumber, number + 1);
    return port;
}

Diagram Block::addSubsystemDiagram() const {
    Diagram inner = getSubsystemDiagram();
    if (inner.isValid())
        return inner;
    inner = createIn<Diagram>(*this, Diagram::MetaClass());
    inner.setName(getName());
    return inner;
}

void Port::removeEdge() const {
    const Segment edge = getEdge();
    if (!edge.isValid())
        return;
    if (edge.getSrcElement() == *this)
        edge.setSrcElement({});
    if (edge.getDstElement() == *this)
        edge.setDstElement({});
}

// --- Line and segment ----------------------------------------------------------------------

Segment Line::addSegment() const {
    return createIn<Segment>(*this, Segment::MetaClass());
}

SolderJoint Line::addSolderJoint(const PARR::GLPoint<double>& position) const {
    SolderJoint joint = createIn<SolderJoint>(*this, SolderJoint::MetaClass());
    joint.setPosition(position);
    return joint;
}

void Line::setContainer(const ImmutableClassObject& diagram) const {
    moveInto(*this, diagram, Diagram::MetaClass(), "a line belongs to a diagram");
}

void Segment::setSrcElement(const ImmutableClassObject& element) const {
    Topology::setSegmentEnd(instanceOf(*this), id_, Topology::End::Source, element.getObjectId());
}

void Segment::setDstElement(const ImmutableClassObject& element) const {
    Topology::setSegmentEnd(instanceOf(*this), id_, Topology::End::Destination,
                            element.getObjectId());
}

Terminator Segment::addSrcTerminator(const PARR::GLPoint<double>& position) const {
    return addTerminator(Topology::End::Source, position);
}

Terminator Segment::addDstTerminator(const PARR::GLPoint<double>& position) const {
    return addTerminator(Topology::End::Destination, position);
}

Terminator Segment::addTerminator(Topology::End end, const PARR::GLPoint<double>& position) const {
    Terminator t = createIn<Terminator>(*this, Terminator::MetaClass());
    t.setPosition(position);
    Topology::setSegmentEnd(instanceOf(*this), id_, end, t.getObjectId());
    return t;
}

SegmentLabel Segment::addLabel(std::int64_t location) const {
    SegmentLabel label = createIn<SegmentLabel>(*this, SegmentLabel::MetaClass());
    label.setLocation(location);
    return label;
}

void Segment::setContainer(const ImmutableClassObject& line) const {
    moveInto(*this, line, Line::MetaClass(), "a segment belongs to a line");
}

void SolderJoint::setContainer(const ImmutableClassObject& line) const {
    moveInto(*this, line, Line::MetaClass(), "a solder joint belongs to a line");
}

// --- Reader helpers ------------------------------------------------------------------------

namespace detail {

std::string diagramFullName(const ImmutableDiagram& diagram) {
    const ImmutableBlock owner = diagram.getOwnerBlock();
    if (owner.isValid())
        return owner.getFullPathName();
    return escapePathName(diagram.getName());
}

bool blockContainsViewableSubsystems(const ImmutableBlock& block) {
    const ImmutableDiagram inner = block.getSubsystemDiagram();
    return inner.isValid() && inner.containsViewableSubsystems();
}

// Connection rules: `port` is the upstream end, `element` the downstream one. See
// docs/architecture.md ("Connection rules").
bool portCanConnect(const ImmutablePort& port, const ImmutableClassObject& element) {
    if (!port.isValid() || !element.isValid() || port == element || port.hasEdge())
        return false;
    const std::string& kind = port.getType();
    if (const ImmutablePort other(element); other.isValid()) {
        if (other.hasEdge())
            return false;
        return (kind == kOutPort && other.getType() == kInPort) ||
               (kind == kConnectionPort && other.getType() == kConnectionPort);
    }
    if (const ImmutableSegment segment(element); segment.isValid()) {
        const ImmutableLine line = segment.getContainer();
        return kind == kConnectionPort && line.isValid() && line.getType() == kConnectionLine;
    }
    if (const ImmutableTerminator end(element); end.isValid()) {
        const ImmutableLine line = lineOfTerminator(end);
        if (!line.isValid())
            return false;
        if (kind == kConnectionPort)
            return line.getType() == kConnectionLine;
        if (line.getType() != kSignalLine)
            return false;
        // An output drives a line whose start is free; an input takes a line's free tail.
        return kind == kOutPort ? isSourceEndOf(end) : kind == kInPort && !isSourceEndOf(end);
    }
    return false;
}

bool segmentCanConnect(const ImmutableSegment& segment, const ImmutableClassObject& element) {
    if (!segment.isValid() || !element.isValid() || segment == element)
        return false;
    const ImmutableLine line = segment.getContainer();
    if (!line.isValid())
        return false;
    if (const ImmutablePort port(element); port.isValid()) {
        if (port.hasEdge())
            return false;
        return (line.getType() == kSignalLine && port.getType() == kInPort) ||
               (line.getType() == kConnectionLine && port.getType() == kConnectionPort);
    }
    if (const ImmutableTerminator end(element); end.isValid()) {
        const ImmutableLine other = lineOfTerminator(end);
        return other.isValid() && other != line && other.getType() == line.getType();
    }
    return false;
}

}  // namespace detail

}  // namespace VTQUILL
