#include "application/DPointPathEndpoint.h"

namespace Vantor {

DPointPathEndpoint::DPointPathEndpoint(const Point& point) : point_(point) {}

PathEndpoint::Point DPointPathEndpoint::getAbsolutePosition() const {
    return point_;
}

PathEndpoint::Point DPointPathEndpoint::getElementPathPoint() const {
    return point_;
}

bool DPointPathEndpoint::rerouteAround() const {
    return false;
}

}  // namespace Vantor
