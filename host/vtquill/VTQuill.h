#pragma once

// The typed block-diagram model: a read-only handle `ImmutableX` and a changeable handle `X`
// for each class, both built on one reader template so the reading operations exist once.
// Changeable handles need an open transaction on their instance for every change; reading
// operations of a changeable handle return changeable handles.

#include <string>
#include <type_traits>

#include "dove2/Diagram.h"
#include "dove2/GraphEdge.h"
#include "dove2/GraphNode.h"
#include "quill/Model.h"
#include "vtquill/Handles.h"
#include "vtquill/Schema.h"
#include "vtquill/Topology.h"

namespace VantorRenderer {
class IVantorRenderer;
}

namespace VTQUILL {

class Model;
class Diagram;
class ImmutableDiagram;
class Block;
class ImmutableBlock;
class Port;
class ImmutablePort;
class Line;
class ImmutableLine;
class Segment;
class ImmutableSegment;
class SolderJoint;
class ImmutableSolderJoint;
class Terminator;
class ImmutableTerminator;
class SegmentLabel;
class ImmutableSegmentLabel;
class Annotation;
class ImmutableAnnotation;

// Chooses the changeable or read-only handle of a class, following the reading handle.
template <class Base, class Mutable, class Immutable>
using HandleFor =
    std::conditional_t<std::is_base_of_v<QUILL::ClassObject, Base>, Mutable, Immutable>;

// --- Diagram -------------------------------------------------------------------------------

template <class Base>
class DiagramReader : public Base {
public:
    using Base::Base;
    // The blocks, lines and annotations of the diagram, in creation order.
    QUILL::Sequence<HandleFor<Base, Block, ImmutableBlock>> getBlocks() const;
    QUILL::Sequence<HandleFor<Base, Line, ImmutableLine>> getLines() const;
    QUILL::Sequence<HandleFor<Base, Annotation, ImmutableAnnotation>> getAnnotations() const;
    // The block whose inner diagram this is; empty for a top-level diagram.
    HandleFor<Base, Block, ImmutableBlock> getOwnerBlock() const;
    // The model instance this handle reads (root or working copy).
    Model getModel() const;
    Model getRootModel() const;
    // The system path: the model's name for a top-level diagram, the owner block's path for
    // an inner one; "/" inside names doubled.
    std::string getFullName() const;
    // True when a block of the diagram is a subsystem that opens as a diagram of its own.
    bool containsViewableSubsystems() const;
};

class ImmutableDiagram : public DiagramReader<DOVE2::ImmutableDiagram> {
    DOVE2_TYPED_HANDLE(ImmutableDiagram, DiagramReader, Schema::get().diagram)
};

class Diagram : public DiagramReader<DOVE2::Diagram> {
    DOVE2_TYPED_HANDLE(Diagram, DiagramReader, Schema::get().diagram)
    operator ImmutableDiagram() const { return ImmutableDiagram(instance_, id_); }

    void setName(const std::string& name) const;
    // A new line of `lineType` ("Signal" or "Connection") in this diagram.
    Line addLine(const std::string& lineType) const;
    // A new block of `type` named `name`, with no ports yet.
    Block addBlock(const std::string& type, const std::string& name) const;
    Annotation addAnnotation(const std::string& text) const;
};

// --- Block ---------------------------------------------------------------------------------

template <class Base>
class BlockReader : public Base {
public:
    using Base::Base;
    const std::string& getName() const {
        return this->template get<std::string>(Schema::get().blockName);
    }
    const std::string& getType() const {
        return this->template get<std::string>(Schema::get().blockType);
    }
    const std::string& getLibraryLinkType() const {
        return this->template get<std::string>(Schema::get().libraryLinkType);
    }
    bool getDrawName() const { return this->template get<bool>(Schema::get().drawName); }
    bool isMasked() const { return this->template get<bool>(Schema::get().masked); }
    const QUILL::StringMap& getParameters() const {
        return this->template get<QUILL::StringMap>(Schema::get().parameters);
    }
    // The value of one parameter; empty when the block has no such parameter.
    std::string getParameter(const std::string& name) const;
    // The ports, in creation order.
    QUILL::Sequence<HandleFor<Base, Port, ImmutablePort>> getContained() const;
    // The inner diagram of a subsystem; empty for other blocks.
    HandleFor<Base, Diagram, ImmutableDiagram> getSubsystemDiagram() const;
    bool isSubsystem() const { return getSubsystemDiagram().isValid(); }
    bool isChartix() const { return getType() == "Chart"; }
    bool isBlockConfigurableSubsystem() const { return getType() == "ConfigurableSubsystem"; }
    bool containsViewableSubsystems() const;
    // The diagram holding the block.
    HandleFor<Base, Diagram, ImmutableDiagram> getDiagram() const;
    // Path of the block's diagram, "/", and the block's name with "/" doubled.
    std::string getFullPathName() const;
    Model getRootModel() const;
    // The block's numeric handle in the simulation engine (stable for the block's life).
    double getHandle() const;
    // Draws the block's own graphics (its type's drawing code) through `renderer`, in
    // diagram coordinates.
    void paintBlockGraphics(VantorRenderer::IVantorRenderer& renderer) const;
};

class ImmutableBlock : public BlockReader<DOVE2::ImmutableGraphNode> {
    DOVE2_TYPED_HANDLE(ImmutableBlock, BlockReader, Schema::get().block)
};

class Block : public BlockReader<DOVE2::GraphNode> {
    DOVE2_TYPED_HANDLE(Block, BlockReader, Schema::get().block)
    operator ImmutableBlock() const { return ImmutableBlock(instance_, id_); }

    // Renames the block. An empty name is refused (QUILL::Exception) and nothing changes.
    void setName(const std::string& name) const;
    void setType(const std::string& type) const { set(Schema::get().blockType, type); }
    void setLibraryLinkType(const std::string& t) const { set(Schema::get().libraryLinkType, t); }
    void setDrawName(bool draw) const { set(Schema::get().drawName, draw); }
    void setMasked(bool masked) const { set(Schema::get().masked, masked); }
    void setParameter(const std::string& name, const std::string& value) const;
    // A new port of `kind` at `position` (relative to the block) facing `orientation`.
    Port addPort(const std::string& kind, const PARR::GLPoint<double>& position,
                 double orientation) const;
    // Makes the block a subsystem with an (empty) inner diagram named after it.
    Diagram addSubsystemDiagram() const;
    // Destroys the block with its ports and inner diagram; attached segments lose that end.
    void destroy() const { Topology::destroyElement(*instance_, id_); }
};

// --- Port ----------------------------------------------------------------------------------

template <class Base>
class PortReader : public Base {
public:
    using Base::Base;
    const std::string& getType() const {
        return this->template get<std::string>(Schema::get().portType);
    }
    double getOrientation() const { return this->template get<double>(Schema::get().orientation); }
    std::int64_t getPortNumber() const {
        return this->template get<std::int64_t>(Schema::get().portNumber);
    }
    // The segment attached; empty when none.
    HandleFor<Base, Segment, ImmutableSegment> getEdge() const;
    bool hasEdge() const { return getEdge().isValid(); }
    HandleFor<Base, Block, ImmutableBlock> getContainer() const;
    // Whether a new segment may run from this port to `element` (see docs/architecture.md).
    bool canConnect(const QUILL::ImmutableClassObject& element) const;
};

class ImmutablePort : public PortReader<DOVE2::ImmutableGraphNode> {
    DOVE2_TYPED_HANDLE(ImmutablePort, PortReader, Schema::get().port)
};

class Port : public PortReader<DOVE2::GraphNode> {
    DOVE2_TYPED_HANDLE(Port, PortReader, Schema::get().port)
    operator ImmutablePort() const { return ImmutablePort(instance_, id_); }
    void setOrientation(double degrees) const { set(Schema::get().orientation, degrees); }
    // Detaches the attached segment's end from this port.
    void removeEdge() const;
};

// --- Line ----------------------------------------------------------------------------------

template <class Base>
class LineReader : public Base {
public:
    using Base::Base;
    const std::string& getType() const {
        return this->template get<std::string>(Schema::get().lineType);
    }
    const std::string& getLabel() const {
        return this->template get<std::string>(Schema::get().lineLabel);
    }
    QUILL::Sequence<HandleFor<Base, Segment, ImmutableSegment>> getSegments() const;
    QUILL::Sequence<HandleFor<Base, SolderJoint, ImmutableSolderJoint>> getSolderJoints() const;
    HandleFor<Base, Diagram, ImmutableDiagram> getDiagram() const;
    Model getModelQUILL() const;
};

class ImmutableLine : public LineReader<DOVE2::ImmutableDiagramElement> {
    DOVE2_TYPED_HANDLE(ImmutableLine, LineReader, Schema::get().line)
};

class Line : public LineReader<DOVE2::DiagramElement> {
    DOVE2_TYPED_HANDLE(Line, LineReader, Schema::get().line)
    operator ImmutableLine() const { return ImmutableLine(instance_, id_); }
    void setLabel(const std::string& label) const { set(Schema::get().lineLabel, label); }
    void setType(const std::string& type) const { set(Schema::get().lineType, type); }
    // A new segment of this line, with no ends and no vertices.
    Segment addSegment() const;
    SolderJoint addSolderJoint(const PARR::GLPoint<double>& position) const;
    // Moves the line into `diagram`.
    void setContainer(const QUILL::ImmutableClassObject& diagram) const;
    void destroy() const { Topology::destroyElement(*instance_, id_); }
};

// --- Segment -------------------------------------------------------------------------------

template <class Base>
class SegmentReader : public Base {
public:
    using Base::Base;
    HandleFor<Base, Line, ImmutableLine> getContainer() const;
    QUILL::Sequence<HandleFor<Base, SegmentLabel, ImmutableSegmentLabel>> getLabels() const;
    // Whether this segment may be joined to `element` (see docs/architecture.md).
    bool canConnect(const QUILL::ImmutableClassObject& element) const;
};

class ImmutableSegment : public SegmentReader<DOVE2::ImmutableGraphEdge> {
    DOVE2_TYPED_HANDLE(ImmutableSegment, SegmentReader, Schema::get().segment)
};

class Segment : public SegmentReader<DOVE2::GraphEdge> {
    DOVE2_TYPED_HANDLE(Segment, SegmentReader, Schema::get().segment)
    operator ImmutableSegment() const { return ImmutableSegment(instance_, id_); }

    // Attach an end to a port, solder joint or terminator (empty handle: to nothing); see
    // Topology::setSegmentEnd for the rules.
    void setSrcElement(const QUILL::ImmutableClassObject& element) const;
    void setDstElement(const QUILL::ImmutableClassObject& element) const;
    // Give a free end a new terminator at `position` (absolute) and return it.
    Terminator addSrcTerminator(const PARR::GLPoint<double>& position) const;
    Terminator addDstTerminator(const PARR::GLPoint<double>& position) const;
    SegmentLabel addLabel(std::int64_t location) const;
    void setContainer(const QUILL::ImmutableClassObject& line) const;
    void destroy() const { Topology::destroyElement(*instance_, id_); }

private:
    Terminator addTerminator(Topology::End end, const PARR::GLPoint<double>& position) const;
};

// --- Solder joint --------------------------------------------------------------------------

template <class Base>
class SolderJointReader : public Base {
public:
    using Base::Base;
    // The segments whose destination (in) or source (out) is this joint, in attachment order.
    QUILL::Sequence<HandleFor<Base, Segment, ImmutableSegment>> getInEdges() const;
    QUILL::Sequence<HandleFor<Base, Segment, ImmutableSegment>> getOutEdges() const;
};

class ImmutableSolderJoint : public SolderJointReader<DOVE2::ImmutableGraphNode> {
    DOVE2_TYPED_HANDLE(ImmutableSolderJoint, SolderJointReader, Schema::get().solderJoint)
};

class SolderJoint : public SolderJointReader<DOVE2::GraphNode> {
    DOVE2_TYPED_HANDLE(SolderJoint, SolderJointReader, Schema::get().solderJoint)
    operator ImmutableSolderJoint() const { return ImmutableSolderJoint(instance_, id_); }
    void setContainer(const QUILL::ImmutableClassObject& line) const;
    void destroy() const { Topology::destroyElement(*instance_, id_); }
};

// --- Terminator ----------------------------------------------------------------------------

template <class Base>
class TerminatorReader : public Base {
public:
    using Base::Base;
    const std::string& getType() const {
        return this->template get<std::string>(Schema::get().terminatorType);
    }
    // The segment this terminator ends; empty when it ends none.
    HandleFor<Base, Segment, ImmutableSegment> getEdge() const;
};

class ImmutableTerminator : public TerminatorReader<DOVE2::ImmutableGraphNode> {
    DOVE2_TYPED_HANDLE(ImmutableTerminator, TerminatorReader, Schema::get().terminator)
};

class Terminator : public TerminatorReader<DOVE2::GraphNode> {
    DOVE2_TYPED_HANDLE(Terminator, TerminatorReader, Schema::get().terminator)
    operator ImmutableTerminator() const { return ImmutableTerminator(instance_, id_); }
    void setType(const std::string& type) const { set(Schema::get().terminatorType, type); }
    void destroy() const { Topology::destroyElement(*instance_, id_); }
};

// --- Segment label and annotation ----------------------------------------------------------

template <class Base>
class SegmentLabelReader : public Base {
public:
    using Base::Base;
    std::int64_t getLocation() const {
        return this->template get<std::int64_t>(Schema::get().labelLocation);
    }
    bool getFlipped() const { return this->template get<bool>(Schema::get().labelFlipped); }
    HandleFor<Base, Segment, ImmutableSegment> getContainer() const;
};

class ImmutableSegmentLabel : public SegmentLabelReader<DOVE2::ImmutableDiagramElement> {
    DOVE2_TYPED_HANDLE(ImmutableSegmentLabel, SegmentLabelReader, Schema::get().segmentLabel)
};

class SegmentLabel : public SegmentLabelReader<DOVE2::DiagramElement> {
    DOVE2_TYPED_HANDLE(SegmentLabel, SegmentLabelReader, Schema::get().segmentLabel)
    operator ImmutableSegmentLabel() const { return ImmutableSegmentLabel(instance_, id_); }
    void setLocation(std::int64_t location) const { set(Schema::get().labelLocation, location); }
    void setFlipped(bool flipped) const { set(Schema::get().labelFlipped, flipped); }
};

template <class Base>
class AnnotationReader : public Base {
public:
    using Base::Base;
    const std::string& getText() const {
        return this->template get<std::string>(Schema::get().annotationText);
    }
    bool getUseTextAsClickFcn() const {
        return this->template get<bool>(Schema::get().useTextAsClickFcn);
    }
};

class ImmutableAnnotation : public AnnotationReader<DOVE2::ImmutableDiagramElement> {
    DOVE2_TYPED_HANDLE(ImmutableAnnotation, AnnotationReader, Schema::get().annotation)
};

class Annotation : public AnnotationReader<DOVE2::DiagramElement> {
    DOVE2_TYPED_HANDLE(Annotation, AnnotationReader, Schema::get().annotation)
    operator ImmutableAnnotation() const { return ImmutableAnnotation(instance_, id_); }
    void setText(const std::string& text) const { set(Schema::get().annotationText, text); }
    void setUseTextAsClickFcn(bool use) const { set(Schema::get().useTextAsClickFcn, use); }
    void destroy() const { Topology::destroyElement(*instance_, id_); }
};

}  // namespace VTQUILL

#include "vtquill/Model.h"
#include "vtquill/VTQuillReaders.h"
