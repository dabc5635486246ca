#pragma once

#include "application/Export.h"
#include "parr/GLPoint.h"
#include "parr/GLRect.h"

namespace Vantor {

// One end of a route, as the segment router sees it: where the route attaches, how far the
// end's stem reaches, and which rectangle the route should not cut through. Points and
// rectangles are in absolute diagram coordinates. A value with no data of its own; the
// subclasses say what they refer to and for how long.
class VANTOR_EXPORT PathEndpoint {
public:
    using Point = PARR::GLPoint<double>;
    using Rect = PARR::GLRect<double>;

    PathEndpoint() = default;
    PathEndpoint(const PathEndpoint&) = default;
    PathEndpoint& operator=(const PathEndpoint&) = default;
    virtual ~PathEndpoint();

    // Whether the end still refers to something; the router gives an empty route otherwise.
    // Default: true.
    virtual bool isValid() const;
    // The end's own position.
    virtual Point getAbsolutePosition() const = 0;
    // Where the route attaches (a port's stem point, else the position).
    virtual Point getElementPathPoint() const = 0;
    // The end of the end's stem. Default: getElementPathPoint().
    virtual Point getElementStemPoint() const;
    // Whether the router may detour around getRectToAvoid().
    virtual bool rerouteAround() const = 0;
    // The rectangle a route should not cut. Default: zero width and height at
    // getAbsolutePosition().
    virtual Rect getRectToAvoid() const;
};

}  // namespace Vantor
