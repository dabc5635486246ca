#pragma once

#include <string>

#include "dove2/ModelSchema.h"
#include "dove2/TypedHandle.h"
#include "quill/ClassObject.h"
#include "quill/Model.h"

namespace DOVE2 {

std::string diagramFullName(const QUILL::ImmutableClassObject& diagram);

class Diagram;
// The first diagram `element` contains (a subsystem's diagram); an empty handle when it owns
// none or is invalid.
Diagram ownedDiagramOf(const QUILL::ImmutableClassObject& element);

template <class Base>
class DiagramReader : public Base {
public:
    using Base::Base;
    const std::string& getName() const {
        return this->template get<std::string>(ModelSchema::get().diagramName);
    }
    // The model instance the handle is bound to (an editor's view instance, or the root).
    QUILL::Model getRootModel() const {
        return QUILL::Model(QUILL::ImmutableModel(this->instance_));
    }
    // The same instance, as the model the diagram belongs to.
    QUILL::Model getModelQUILL() const { return getRootModel(); }
    // The diagram's system path: the name of the top-level diagram, then the name of each
    // element that owns a nested diagram on the way down, separated by "/" ("/" inside a name
    // is written "//"). An element's name is its "name" attribute; empty when it has none.
    std::string getFullName() const { return diagramFullName(*this); }
};

// Read-only handle on a diagram: the container of the elements one editor shows.
class ImmutableDiagram : public DiagramReader<QUILL::ImmutableClassObject> {
    DOVE2_TYPED_HANDLE(ImmutableDiagram, DiagramReader, ModelSchema::get().diagram)
};

class Diagram : public DiagramReader<QUILL::ClassObject> {
    DOVE2_TYPED_HANDLE(Diagram, DiagramReader, ModelSchema::get().diagram)
    operator ImmutableDiagram() const { return ImmutableDiagram(instance_, id_); }
};

}  // namespace DOVE2
