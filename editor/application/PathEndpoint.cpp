#include "application/PathEndpoint.h"

namespace Vantor {

PathEndpoint::~PathEndpoint() = default;

bool PathEndpoint::isValid() const {
    return true;
}

PathEndpoint::Point PathEndpoint::getElementStemPoint() const {
    return getElementPathPoint();
}

PathEndpoint::Rect PathEndpoint::getRectToAvoid() const {
    const Point at = getAbsolutePosition();
    return Rect(at.x, at.y, 0, 0);
}

}  // namespace Vantor
