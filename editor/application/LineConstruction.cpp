// Construction of lines, segments and solder joints, splitting of segments, and the
// connection test.
#include "application/Application.h"
#include "application/SegmentSplitter.h"

namespace Vantor {

namespace {

// The root model builds through the containers' own adders; a working copy (a preview or a
// command's private instance) makes free objects with its factory and places them.
bool isRootInstance(const QUILL::ImmutableClassObject& handle) {
    return handle.getDeviant() && handle.getDeviant()->getDeviantId() == 0;
}

}  // namespace

VTQUILL::Line Application::createLine(const VTQUILL::Diagram& diagram, const std::string& type) {
    if (isRootInstance(diagram))
        return diagram.addLine(type);
    const VTQUILL::Line line = diagram.getModel().getFactory().createLine();
    line.setContainer(diagram);
    return line;
}

VTQUILL::Segment Application::createSegment(const VTQUILL::Line& line) {
    if (isRootInstance(line))
        return line.addSegment();
    const VTQUILL::Segment segment = line.getModelQUILL().getFactory().createSegment();
    segment.setContainer(line);
    return segment;
}

VTQUILL::SolderJoint Application::createSolderJoint(const VTQUILL::Line& line) {
    if (isRootInstance(line))
        return line.addSolderJoint(Point());
    const VTQUILL::SolderJoint joint = line.getModelQUILL().getFactory().createSolderJoint();
    joint.setContainer(line);
    return joint;
}

// The old destination is detached before it is given to the new segment: a port holds one
// segment at most, and a terminator moves with the end it is attached to.
VTQUILL::SolderJoint Application::splitSegment(const VTQUILL::Segment& segment,
                                               const Point& point) {
    const SegmentSplitter::Split split = SegmentSplitter::splitPathAtNearestLeg(segment, point);
    const VTQUILL::Line line = segment.getContainer();
    const VTQUILL::SolderJoint joint = createSolderJoint(line);
    joint.setPosition(split.point);

    const QUILL::ImmutableClassObject destination = segment.getDstElement();
    segment.setDstElement(joint);
    segment.setPath(split.before);

    const VTQUILL::Segment rest = createSegment(line);
    rest.setSrcElement(joint);
    rest.setDstElement(destination);
    rest.setPath(split.after);
    return joint;
}

bool Application::canConnect(const DOVE2::GraphElement& a, const DOVE2::GraphElement& b) {
    if (a == b)
        return false;
    if (const VTQUILL::ImmutablePort port(a); port.isValid())
        return port.canConnect(b);
    if (const VTQUILL::ImmutableSegment segment(a); segment.isValid())
        return segment.canConnect(b);
    return false;
}

}  // namespace Vantor
