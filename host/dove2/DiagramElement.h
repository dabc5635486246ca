#pragma once

#include "dove2/ModelSchema.h"
#include "dove2/TypedHandle.h"
#include "parr/GLPoint.h"
#include "quill/ClassObject.h"

namespace DOVE2 {

// Reading operations of a diagram element, shared by its read-only and changeable handles.
template <class Base>
class DiagramElementReader : public Base {
public:
    using Base::Base;
    // Position relative to the container (diagram units).
    PARR::GLPoint<double> getPosition() const {
        return this->template get<PARR::GLPoint<double>>(ModelSchema::get().position);
    }
    // Width and height as a point.
    PARR::GLPoint<double> getSize() const {
        return this->template get<PARR::GLPoint<double>>(ModelSchema::get().size);
    }
};

// Read-only handle on an element shown in a diagram.
class ImmutableDiagramElement : public DiagramElementReader<QUILL::ImmutableClassObject> {
    DOVE2_TYPED_HANDLE(ImmutableDiagramElement, DiagramElementReader,
                       ModelSchema::get().diagramElement)
};

// Changeable handle on a diagram element (changes need an open transaction).
class DiagramElement : public DiagramElementReader<QUILL::ClassObject> {
    DOVE2_TYPED_HANDLE(DiagramElement, DiagramElementReader, ModelSchema::get().diagramElement)

    void setPosition(const PARR::GLPoint<double>& p) const { set(ModelSchema::get().position, p); }
    void setSize(const PARR::GLPoint<double>& s) const { set(ModelSchema::get().size, s); }
    // The container as a changeable handle; empty when there is none.
    QUILL::ClassObject getContainer() const { return ClassObject::getContainer(); }

    operator ImmutableDiagramElement() const { return ImmutableDiagramElement(instance_, id_); }
};

}  // namespace DOVE2
