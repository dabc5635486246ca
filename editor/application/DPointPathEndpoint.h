#pragma once

#include "application/Export.h"
#include "application/PathEndpoint.h"

namespace Vantor {

// A route end at a free point (absolute diagram coordinates), held by value: the line tools
// use it for the end that follows the mouse. Always valid; attaches at the point, has no
// stem, and never asks for a detour.
class VANTOR_EXPORT DPointPathEndpoint : public PathEndpoint {
public:
    explicit DPointPathEndpoint(const Point& point);

    Point getAbsolutePosition() const override;
    Point getElementPathPoint() const override;
    // Always false.
    bool rerouteAround() const override;

private:
    Point point_;
};

}  // namespace Vantor
