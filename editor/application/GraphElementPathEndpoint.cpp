#include "application/GraphElementPathEndpoint.h"

#include "application/Application.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

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
    const VTQUILL::Port port(*element_);
    if (port.isValid())
        return Application::getPortStem(port);
    return PathEndpoint::getElementStemPoint();
}

bool GraphElementPathEndpoint::rerouteAround() const {
    return true;
}

PathEndpoint::Rect GraphElementPathEndpoint::getRectToAvoid() const {
    const VTQUILL::Port port(*element_);
    if (port.isValid()) {
        const VTQUILL::Block block = port.getContainer();
        if (block.isValid())
            return Rect(Application::getAbsolutePosition(block), block.getSize());
    }
    return PathEndpoint::getRectToAvoid();
}

}  // namespace Vantor
