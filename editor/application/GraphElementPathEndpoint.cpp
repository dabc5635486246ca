#include "application/GraphElementPathEndpoint.h"

#include "application/Application.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

namespace {

// The object `id` of `instance` as a handle of class H, found with one lookup: empty unless
// the object exists there and is of `type`.
template <class H>
H handleOfType(QUILL::Deviant* instance, QUILL::ObjectId id, const QUILL::Type& type) {
    const QUILL::ObjectState* state = instance && id ? instance->find(id) : nullptr;
    if (!state || !state->type->isKindOf(type))
        return H();
    return H(instance, id);
}

VTQUILL::Port asPort(const DOVE2::GraphElement& element) {
    return handleOfType<VTQUILL::Port>(element.getDeviant(), element.getObjectId(),
                                       VTQUILL::Schema::get().port);
}

}  // namespace

GraphElementPathEndpoint::GraphElementPathEndpoint(const DOVE2::GraphElement& element)
    : element_(&element) {}

bool GraphElementPathEndpoint::isValid() const {
    return element_->isValid();
}

PathEndpoint::Point GraphElementPathEndpoint::getAbsolutePosition() const {
    return Application::getAbsolutePosition(*element_);
}

PathEndpoint::Point GraphElementPathEndpoint::getElementPathPoint() const {
    return Application::elementPathPoint(*element_);
}

PathEndpoint::Point GraphElementPathEndpoint::getElementStemPoint() const {
    const VTQUILL::Port port = asPort(*element_);
    if (port.isValid())
        return Application::getPortStem(port);
    return PathEndpoint::getElementStemPoint();
}

bool GraphElementPathEndpoint::rerouteAround() const {
    return true;
}

PathEndpoint::Rect GraphElementPathEndpoint::getRectToAvoid() const {
    const VTQUILL::Port port = asPort(*element_);
    if (port.isValid()) {
        const VTQUILL::Block block = handleOfType<VTQUILL::Block>(
            port.getDeviant(), port.state().container, VTQUILL::Schema::get().block);
        if (block.isValid())
            return Rect(Application::getAbsolutePosition(block), block.getSize());
    }
    return PathEndpoint::getRectToAvoid();
}

}  // namespace Vantor
