#pragma once

// Definitions of the reader templates of VTQuill.h, placed after every class is complete.

#include <algorithm>

namespace VTQUILL {

namespace detail {

template <class H>
H wrap(const QUILL::ImmutableClassObject& o) {
    return o.isValid() ? H(o) : H();
}

template <class H>
H endElement(const QUILL::ImmutableClassObject& self, const QUILL::Attribute& end) {
    const QUILL::ObjectId id = self.template get<QUILL::ObjectRef>(end).id;
    return id == QUILL::kNoObject ? H() : H(self.getDeviant(), id);
}

bool portCanConnect(const ImmutablePort& port, const QUILL::ImmutableClassObject& element);
bool segmentCanConnect(const ImmutableSegment& segment, const QUILL::ImmutableClassObject& element);
std::string diagramFullName(const ImmutableDiagram& diagram);
bool blockContainsViewableSubsystems(const ImmutableBlock& block);
// Defined by the engine side (host/vtdove).
double engineHandleOf(const ImmutableBlock& block);
void paintBlock(const ImmutableBlock& block, VantorRenderer::IVantorRenderer& renderer);

}  // namespace detail

template <class Base>
QUILL::Sequence<HandleFor<Base, Block, ImmutableBlock>> DiagramReader<Base>::getBlocks() const {
    return childrenOfType<HandleFor<Base, Block, ImmutableBlock>>(*this);
}
template <class Base>
QUILL::Sequence<HandleFor<Base, Line, ImmutableLine>> DiagramReader<Base>::getLines() const {
    return childrenOfType<HandleFor<Base, Line, ImmutableLine>>(*this);
}
template <class Base>
QUILL::Sequence<HandleFor<Base, Annotation, ImmutableAnnotation>>
DiagramReader<Base>::getAnnotations() const {
    return childrenOfType<HandleFor<Base, Annotation, ImmutableAnnotation>>(*this);
}
template <class Base>
HandleFor<Base, Block, ImmutableBlock> DiagramReader<Base>::getOwnerBlock() const {
    return detail::wrap<HandleFor<Base, Block, ImmutableBlock>>(this->getContainer());
}
template <class Base>
Model DiagramReader<Base>::getModel() const {
    return Model(QUILL::ImmutableModel(this->instance_));
}
template <class Base>
Model DiagramReader<Base>::getRootModel() const {
    return getModel();
}
template <class Base>
std::string DiagramReader<Base>::getFullName() const {
    return detail::diagramFullName(ImmutableDiagram(*this));
}
template <class Base>
bool DiagramReader<Base>::containsViewableSubsystems() const {
    for (const auto& b : getBlocks()) {
        if (b.isSubsystem() && !b.isMasked())
            return true;
    }
    return false;
}

template <class Base>
std::string BlockReader<Base>::getParameter(const std::string& name) const {
    for (const auto& [key, value] : getParameters()) {
        if (key == name)
            return value;
    }
    return {};
}
template <class Base>
QUILL::Sequence<HandleFor<Base, Port, ImmutablePort>> BlockReader<Base>::getContained() const {
    return childrenOfType<HandleFor<Base, Port, ImmutablePort>>(*this);
}
template <class Base>
HandleFor<Base, Diagram, ImmutableDiagram> BlockReader<Base>::getSubsystemDiagram() const {
    auto inner = childrenOfType<HandleFor<Base, Diagram, ImmutableDiagram>>(*this);
    return inner.empty() ? HandleFor<Base, Diagram, ImmutableDiagram>() : inner.front();
}
template <class Base>
bool BlockReader<Base>::containsViewableSubsystems() const {
    return detail::blockContainsViewableSubsystems(ImmutableBlock(*this));
}
template <class Base>
HandleFor<Base, Diagram, ImmutableDiagram> BlockReader<Base>::getDiagram() const {
    return detail::wrap<HandleFor<Base, Diagram, ImmutableDiagram>>(this->getContainer());
}
template <class Base>
std::string BlockReader<Base>::getFullPathName() const {
    const auto diagram = getDiagram();
    const std::string prefix = diagram.isValid() ? diagram.getFullName() : std::string();
    return prefix + "/" + escapePathName(getName());
}
template <class Base>
Model BlockReader<Base>::getRootModel() const {
    return Model(QUILL::ImmutableModel(this->instance_));
}

template <class Base>
double BlockReader<Base>::getHandle() const {
    return detail::engineHandleOf(ImmutableBlock(*this));
}
template <class Base>
void BlockReader<Base>::paintBlockGraphics(VantorRenderer::IVantorRenderer& renderer) const {
    detail::paintBlock(ImmutableBlock(*this), renderer);
}

template <class Base>
HandleFor<Base, Segment, ImmutableSegment> PortReader<Base>::getEdge() const {
    const auto& edges = this->template get<QUILL::RefList>(DOVE2::ModelSchema::get().edges);
    using S = HandleFor<Base, Segment, ImmutableSegment>;
    return edges.empty() ? S() : S(this->instance_, edges.front());
}
template <class Base>
HandleFor<Base, Block, ImmutableBlock> PortReader<Base>::getContainer() const {
    return detail::wrap<HandleFor<Base, Block, ImmutableBlock>>(Base::getContainer());
}
template <class Base>
bool PortReader<Base>::canConnect(const QUILL::ImmutableClassObject& element) const {
    return detail::portCanConnect(ImmutablePort(*this), element);
}

template <class Base>
QUILL::Sequence<HandleFor<Base, Segment, ImmutableSegment>> LineReader<Base>::getSegments() const {
    return childrenOfType<HandleFor<Base, Segment, ImmutableSegment>>(*this);
}
template <class Base>
QUILL::Sequence<HandleFor<Base, SolderJoint, ImmutableSolderJoint>>
LineReader<Base>::getSolderJoints() const {
    return childrenOfType<HandleFor<Base, SolderJoint, ImmutableSolderJoint>>(*this);
}
template <class Base>
HandleFor<Base, Diagram, ImmutableDiagram> LineReader<Base>::getDiagram() const {
    return detail::wrap<HandleFor<Base, Diagram, ImmutableDiagram>>(this->getContainer());
}
template <class Base>
Model LineReader<Base>::getModelQUILL() const {
    return Model(QUILL::ImmutableModel(this->instance_));
}

template <class Base>
HandleFor<Base, Line, ImmutableLine> SegmentReader<Base>::getContainer() const {
    return detail::wrap<HandleFor<Base, Line, ImmutableLine>>(Base::getContainer());
}
template <class Base>
QUILL::Sequence<HandleFor<Base, SegmentLabel, ImmutableSegmentLabel>>
SegmentReader<Base>::getLabels() const {
    return childrenOfType<HandleFor<Base, SegmentLabel, ImmutableSegmentLabel>>(*this);
}
template <class Base>
bool SegmentReader<Base>::canConnect(const QUILL::ImmutableClassObject& element) const {
    return detail::segmentCanConnect(ImmutableSegment(*this), element);
}

template <class Base>
QUILL::Sequence<HandleFor<Base, Segment, ImmutableSegment>> SolderJointReader<Base>::getInEdges()
    const {
    QUILL::Sequence<HandleFor<Base, Segment, ImmutableSegment>> result;
    for (const auto& e : this->getEdges()) {
        const ImmutableSegment s(e);
        if (s.isValid() && s.getDstElement() == *this)
            result.push_back(HandleFor<Base, Segment, ImmutableSegment>(e));
    }
    return result;
}
template <class Base>
QUILL::Sequence<HandleFor<Base, Segment, ImmutableSegment>> SolderJointReader<Base>::getOutEdges()
    const {
    QUILL::Sequence<HandleFor<Base, Segment, ImmutableSegment>> result;
    for (const auto& e : this->getEdges()) {
        const ImmutableSegment s(e);
        if (s.isValid() && s.getSrcElement() == *this)
            result.push_back(HandleFor<Base, Segment, ImmutableSegment>(e));
    }
    return result;
}

template <class Base>
HandleFor<Base, Segment, ImmutableSegment> TerminatorReader<Base>::getEdge() const {
    const auto& edges = this->template get<QUILL::RefList>(DOVE2::ModelSchema::get().edges);
    using S = HandleFor<Base, Segment, ImmutableSegment>;
    return edges.empty() ? S() : S(this->instance_, edges.front());
}

template <class Base>
HandleFor<Base, Segment, ImmutableSegment> SegmentLabelReader<Base>::getContainer() const {
    return detail::wrap<HandleFor<Base, Segment, ImmutableSegment>>(Base::getContainer());
}

}  // namespace VTQUILL
