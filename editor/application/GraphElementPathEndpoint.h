#pragma once

#include "application/Export.h"
#include "application/PathEndpoint.h"
#include "dove2/GraphElement.h"

namespace Vantor {

// A route end at a graph element: a port, a solder joint or a terminator. Refers to the
// handle it is given, which the caller keeps alive (and unchanged) while the endpoint is in
// use; copies refer to the same handle. Reads the element in the handle's model instance.
//
// A valid port attaches at its stem point, and the router may detour around its block; any
// other element attaches at its absolute position and has a zero-size rectangle there.
class VANTOR_EXPORT GraphElementPathEndpoint : public PathEndpoint {
public:
    explicit GraphElementPathEndpoint(const DOVE2::GraphElement& element);

    // The element is a non-empty handle on an object alive in its instance.
    bool isValid() const override;
    Point getAbsolutePosition() const override;
    Point getElementPathPoint() const override;
    // A valid port's stem point; otherwise the path point.
    Point getElementStemPoint() const override;
    // Always true.
    bool rerouteAround() const override;
    // The rectangle of a valid port's valid block; otherwise the zero-size rectangle at the
    // absolute position.
    Rect getRectToAvoid() const override;

private:
    const DOVE2::GraphElement* element_;
};

}  // namespace Vantor
