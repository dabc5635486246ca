#include "tools/CreateSegmentCommand.h"

#include "application/Application.h"
#include "application/DPointPathEndpoint.h"
#include "application/GraphElementPathEndpoint.h"
#include "application/Rounding.h"
#include "vtquill/Model.h"

namespace Vantor {

namespace {

template <class Handle>
Handle rebind(const Handle& handle, const QUILL::Model& model) {
    return Handle(handle.asDeviant(model));
}

// Moves one element of a line into `line`, through the setter of its own kind.
void moveIntoLine(const QUILL::ImmutableClassObject& element, const VTQUILL::Line& line) {
    if (const VTQUILL::Segment segment(element); segment.isValid())
        segment.setContainer(line);
    else if (const VTQUILL::SolderJoint joint(element); joint.isValid())
        joint.setContainer(line);
}

// Moves every element of `from` into `into` and destroys `from` once it is empty. The
// elements are listed first, so an element that refuses to move cannot keep the loop going.
void joinLines(const VTQUILL::Line& into, const VTQUILL::Line& from) {
    for (const QUILL::ImmutableClassObject& element : from.getContained())
        moveIntoLine(element, into);
    if (from.getContainedCount() == 0)
        from.destroy();
}

std::string branchEndType(const VTQUILL::Line& line) {
    return line.getType() == VTQUILL::kConnectionLine ? VTQUILL::kConnectionPort
                                                      : VTQUILL::kOutPort;
}

}  // namespace

CreateSegmentCommand::CreateSegmentCommand(const VTQUILL::Diagram& diagram,
                                           const SegmentAnchor& source,
                                           const SegmentAnchor& destination,
                                           const PARR::GLPoint<double>& startPoint,
                                           const PARR::GLPoint<double>& endPoint,
                                           const PARR::Path& vertexPath)
    : DOVE2::Command(diagram.getModel()),
      diagram_(diagram),
      source_(source),
      destination_(destination),
      startPoint_(startPoint),
      endPoint_(endPoint),
      vertexPath_(vertexPath) {}

CreateSegmentCommand::~CreateSegmentCommand() = default;

std::string CreateSegmentCommand::shortDescription() const {
    return "Create Segment";
}

SegmentAnchor CreateSegmentCommand::rebound(const SegmentAnchor& anchor) const {
    SegmentAnchor here = anchor;
    here.line = rebind(anchor.line, getModel());
    here.port = rebind(anchor.port, getModel());
    here.segment = rebind(anchor.segment, getModel());
    here.terminator = rebind(anchor.terminator, getModel());
    return here;
}

void CreateSegmentCommand::execute(PARR::ErrorHolder& /*errors*/) {
    const SegmentAnchor src = rebound(source_);
    const SegmentAnchor dst = rebound(destination_);
    const VTQUILL::Line line = chooseLine(src, dst);
    if (!line.isValid())
        return;
    segment_ = Application::createSegment(line);
    // A joint split off at the start lands on the grid like every stored position.
    const AttachedEnd from = endAt(src, roundHalfAwayFromZero(startPoint_));
    if (from.element.isValid())
        segment_.setSrcElement(from.element);
    AttachedEnd to;
    if (dst.kind == SegmentAnchor::None) {
        attachFreeEnd(src, from.endType);
    } else {
        to = endAt(dst, endPoint_);
        if (to.element.isValid())
            segment_.setDstElement(to.element);
    }
    resultPath_ = route(from.hint.empty() ? to.hint : from.hint);
    resultPath_.simplify();
    segment_.setPath(resultPath_);
    Application::cleanupLine(line);
}

VTQUILL::Line CreateSegmentCommand::chooseLine(const SegmentAnchor& src,
                                               const SegmentAnchor& dst) const {
    switch (src.extendsLine + dst.extendsLine) {
        case 0: {
            const bool connection =
                src.kind == SegmentAnchor::Port && src.port.getType() == VTQUILL::kConnectionPort;
            return Application::createLine(
                rebind(diagram_, getModel()),
                connection ? VTQUILL::kConnectionLine : VTQUILL::kSignalLine);
        }
        case 1:
            return src.extendsLine ? src.line : dst.line;
        default:
            if (dst.line.isValid() && dst.line != src.line)
                joinLines(src.line, dst.line);
            return src.line;
    }
}

CreateSegmentCommand::AttachedEnd CreateSegmentCommand::endAt(
    const SegmentAnchor& anchor, const PARR::GLPoint<double>& point) const {
    switch (anchor.kind) {
        case SegmentAnchor::Port:
            return {anchor.port, anchor.port.getType(), {}};
        case SegmentAnchor::Terminator: {
            // The new segment takes the dangling one's place: its other end, its route as a
            // hint. The old segment goes first, so that end is free to take the new one.
            const VTQUILL::Segment old = anchor.terminator.getEdge();
            if (!old.isValid())
                return {};
            const bool atSource = old.getSrcElement() == anchor.terminator;
            const AttachedEnd end{atSource ? old.getDstElement() : old.getSrcElement(),
                                  anchor.terminator.getType(), old.getPath()};
            old.destroy();
            if (anchor.terminator.isValid())
                anchor.terminator.destroy();
            return end;
        }
        case SegmentAnchor::Segment: {
            const VTQUILL::Line line = anchor.segment.getContainer();
            return {Application::splitSegment(anchor.segment, point), branchEndType(line), {}};
        }
        default:
            return {};
    }
}

void CreateSegmentCommand::attachFreeEnd(const SegmentAnchor& src,
                                         const std::string& endType) const {
    const VTQUILL::Line line = segment_.getContainer();
    const VTQUILL::Terminator end = line.getModelQUILL().getFactory().createTerminator();
    end.setPosition(endPoint_);
    end.setType(endType);
    if (src.kind == SegmentAnchor::Port && src.port.getType() == VTQUILL::kInPort) {
        // Drawn from an input towards empty canvas: the segment runs from the free end into
        // the port. The port lets go of the segment's source end before it takes the other.
        const QUILL::ImmutableClassObject port = segment_.getSrcElement();
        segment_.setSrcElement(end);
        segment_.setDstElement(port);
        return;
    }
    segment_.setDstElement(end);
}

PARR::Path CreateSegmentCommand::route(const PARR::Path& hint) const {
    const DOVE2::DiagramElement src(segment_.getSrcElement());
    const DOVE2::DiagramElement dst(segment_.getDstElement());
    const bool srcHorizontal = Application::pathOrientationAtElementIsHorizontal(src, segment_);
    const bool dstHorizontal = Application::pathOrientationAtElementIsHorizontal(dst, segment_);
    if (!vertexPath_.empty())
        return routeThroughCorners(hint, srcHorizontal, dstHorizontal);
    const DOVE2::GraphElement srcElement(src);
    const DOVE2::GraphElement dstElement(dst);
    return Application::getSegmentRoute(GraphElementPathEndpoint(srcElement),
                                        GraphElementPathEndpoint(dstElement), hint, srcHorizontal,
                                        dstHorizontal);
}

PARR::Path CreateSegmentCommand::routeThroughCorners(const PARR::Path& hint, bool srcHorizontal,
                                                     bool dstHorizontal) const {
    const DOVE2::GraphElement srcElement(segment_.getSrcElement());
    const DOVE2::GraphElement dstElement(segment_.getDstElement());
    const GraphElementPathEndpoint es(srcElement);
    const GraphElementPathEndpoint ed(dstElement);
    const PARR::Path& v = vertexPath_;
    const DPointPathEndpoint df(v.front());
    const DPointPathEndpoint dl(v.back());
    const bool srcFree = VTQUILL::Terminator(srcElement).isValid();
    const bool dstFree = VTQUILL::Terminator(dstElement).isValid();
    const std::size_t n = v.size();
    const bool firstH = n == 1 ? srcHorizontal : Application::pointsAreHorizontal(v[0], v[1]);
    const bool lastH =
        n == 1 ? dstHorizontal : Application::pointsAreHorizontal(v[n - 2], v[n - 1]);
    using A = Application;
    if (es.getElementPathPoint() == df.getElementPathPoint())
        return v + A::getSegmentRoute(dl, ed, hint, !lastH, dstFree ? lastH : dstHorizontal);
    if (es.getElementPathPoint() == dl.getElementPathPoint()) {
        PARR::Path reversed = v;
        reversed.reverse();
        return reversed +
               A::getSegmentRoute(df, ed, hint, !firstH, dstFree ? firstH : dstHorizontal);
    }
    if (ed.getElementPathPoint() == df.getElementPathPoint()) {
        PARR::Path result =
            v + A::getSegmentRoute(dl, es, hint, !lastH, srcFree ? lastH : srcHorizontal);
        result.reverse();
        return result;
    }
    return A::getSegmentRoute(es, df, hint, srcFree ? firstH : srcHorizontal, !firstH) + v;
}

}  // namespace Vantor
