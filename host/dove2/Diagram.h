#pragma once

#include <string>

#include "dove2/ModelSchema.h"
#include "dove2/TypedHandle.h"
#include "quill/ClassObject.h"

namespace DOVE2 {

template <class Base>
class DiagramReader : public Base {
public:
    using Base::Base;
    const std::string& getName() const {
        return this->template get<std::string>(ModelSchema::get().diagramName);
    }
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
