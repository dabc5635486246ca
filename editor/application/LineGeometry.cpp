// The geometry of lines: absolute positions, port stems, the points of a segment's polyline
// and the orientation in which a segment leaves an element.
#include <cmath>
#include <stdexcept>
#include <string>
#include <variant>

#include "application/Application.h"
#include "dove2/DI.h"

namespace Vantor {

namespace {

using Point = Application::Point;

// How far a line runs straight out of a port of `kind` before it may bend.
double stemLength(const std::string& kind) {
    if (kind == VTQUILL::kInPort)
        return 15;
    if (kind == VTQUILL::kOutPort)
        return 5;
    if (kind == VTQUILL::kConnectionPort)
        return 16;
    return 0;
}

// `p` moved by `length` along the direction `orientation` names; the data model stores the
// four directions exactly, so anything else is no direction and leaves the point alone.
Point movedAlong(Point p, double orientation, double length) {
    if (orientation == 0)
        p.x += length;
    else if (orientation == 270)
        p.y += length;
    else if (orientation == 180)
        p.x -= length;
    else if (orientation == 90)
        p.y -= length;
    return p;
}

bool spansHorizontally(const Point& from, const Point& to) {
    return std::abs(to.x - from.x) > std::abs(to.y - from.y);
}

// The neighbour of `node` on `segment`: the point the segment heads for when it leaves the
// node; (0, 0) when the segment does not touch the node.
Point neighbourAtNode(const VTQUILL::Segment& segment, const QUILL::ImmutableClassObject& node) {
    if (segment.getSrcElement() == node)
        return Application::pointAfterSource(segment);
    if (segment.getDstElement() == node)
        return Application::pointBeforeDestination(segment);
    return Point();
}

// A vertex-free segment that would run diagonally from a joint has no direction of its own;
// it follows the majority of the joint's other edges, and a tie counts as vertical.
bool jointEdgesVoteHorizontal(const VTQUILL::SolderJoint& joint, const VTQUILL::Segment& segment,
                              const Point& at) {
    int horizontal = 0;
    int vertical = 0;
    for (const auto& edge : joint.getEdges()) {
        if (edge == segment)
            continue;
        const VTQUILL::Segment other(edge);
        if (!other.isValid())
            continue;
        if (spansHorizontally(at, neighbourAtNode(other, joint)))
            ++horizontal;
        else
            ++vertical;
    }
    return horizontal < vertical;
}

bool orientationAtJointIsHorizontal(const VTQUILL::SolderJoint& joint,
                                    const VTQUILL::Segment& segment) {
    const Point p = Application::getAbsolutePosition(joint);
    const bool jointIsSource = segment.getSrcElement() == joint;
    const DOVE2::GraphElement farEnd(jointIsSource ? segment.getDstElement()
                                                   : segment.getSrcElement());
    if (segment.getPath().empty() && farEnd.isValid()) {
        const Point f = Application::elementPathPoint(farEnd);
        if (f.x != p.x && f.y != p.y)
            return jointEdgesVoteHorizontal(joint, segment, p);
    }
    return spansHorizontally(p, neighbourAtNode(segment, joint));
}

// The element as a port handle, found with one lookup: empty unless it is a live port.
VTQUILL::Port asPort(const DOVE2::GraphElement& element) {
    QUILL::Deviant* instance = element.getDeviant();
    const QUILL::ObjectId id = element.getObjectId();
    const QUILL::ObjectState* state = instance && id ? instance->find(id) : nullptr;
    if (!state || !state->type->isKindOf(VTQUILL::Schema::get().port))
        return VTQUILL::Port();
    return VTQUILL::Port(instance, id);
}

}  // namespace

// The walk reads each container's state once, straight from the instance; an element that
// is not a diagram element takes the handle route, which reports the misuse.
Point Application::getAbsolutePosition(const DOVE2::GraphElement& element) {
    const DOVE2::ModelSchema& schema = DOVE2::ModelSchema::get();
    const QUILL::ObjectState& state = element.state();
    if (state.type->isKindOf(schema.diagramElement))
        return DOVE2::DI::absolutePosition(*element.getDeviant(), state);
    Point position = element.getPosition();
    // A diagram is not a diagram element: it ends the chain (so does a missing container).
    DOVE2::DiagramElement container(element.getContainer());
    while (container.isValid()) {
        position += container.getPosition();
        container = DOVE2::DiagramElement(container.getContainer());
    }
    return position;
}

Point Application::getPortStem(const VTQUILL::Port& port) {
    const QUILL::ObjectState& state = port.state();
    const VTQUILL::Schema& schema = VTQUILL::Schema::get();
    if (state.type->isKindOf(schema.port)) {
        const Point at = DOVE2::DI::absolutePosition(*port.getDeviant(), state);
        return movedAlong(
            at, std::get<double>(state.values[schema.orientation.getIndex()]),
            stemLength(std::get<std::string>(state.values[schema.portType.getIndex()])));
    }
    return movedAlong(getAbsolutePosition(port), port.getOrientation(), stemLength(port.getType()));
}

Point Application::getSegmentPoint(const VTQUILL::Segment& segment, int index) {
    const PARR::Path& vertices = segment.getPath();
    const int last = static_cast<int>(vertices.size()) + 1;
    if (index < 0 || index > last)
        throw std::out_of_range("segment point " + std::to_string(index) + " of 0.." +
                                std::to_string(last));
    if (index == 0)
        return getAbsolutePosition(DOVE2::GraphElement(segment.getSrcElement()));
    if (index == last)
        return getAbsolutePosition(DOVE2::GraphElement(segment.getDstElement()));
    return vertices[static_cast<std::size_t>(index - 1)];
}

bool Application::pointsAreHorizontal(const Point& a, const Point& b) {
    return spansHorizontally(a, b);
}

bool Application::pathOrientationAtElementIsHorizontal(const DOVE2::DiagramElement& element,
                                                       const VTQUILL::Segment& segment) {
    if (const VTQUILL::Port port(element); port.isValid()) {
        const double orientation = port.getOrientation();
        return orientation == 0 || orientation == 180;
    }
    if (const VTQUILL::Terminator end(element); end.isValid())
        return spansHorizontally(getAbsolutePosition(end), neighbourAtNode(segment, end));
    if (const VTQUILL::SolderJoint joint(element); joint.isValid())
        return orientationAtJointIsHorizontal(joint, segment);
    return true;
}

Point Application::elementPathPoint(const DOVE2::GraphElement& element) {
    if (const VTQUILL::Port port = asPort(element); port.isValid())
        return getPortStem(port);
    return getAbsolutePosition(element);
}

Point Application::pointAfterSource(const VTQUILL::Segment& segment) {
    const PARR::Path& vertices = segment.getPath();
    if (!vertices.empty())
        return vertices.front();
    const DOVE2::GraphElement destination(segment.getDstElement());
    return destination.isValid() ? elementPathPoint(destination) : Point();
}

Point Application::pointBeforeDestination(const VTQUILL::Segment& segment) {
    const PARR::Path& vertices = segment.getPath();
    if (!vertices.empty())
        return vertices.back();
    const DOVE2::GraphElement source(segment.getSrcElement());
    return source.isValid() ? elementPathPoint(source) : Point();
}

}  // namespace Vantor
