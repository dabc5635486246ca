#include "tools/AttachedLineSets.h"

#include <algorithm>

#include "application/Application.h"
#include "dove2/GraphNode.h"

namespace Vantor {

namespace {

PARR::GLRect<double> boxOf(const DOVE2::GraphElement& element) {
    const PARR::GLPoint<double> at = Application::getAbsolutePosition(element);
    const PARR::GLPoint<double> size = element.getSize();
    return {at.x, at.y, size.x, size.y};
}

bool liesWithin(const PARR::GLRect<double>& inner, const PARR::GLRect<double>& outer) {
    return inner.left() >= outer.left() && inner.right() <= outer.right() &&
           inner.top() >= outer.top() && inner.bottom() <= outer.bottom();
}

}  // namespace

PARR::GLRect<double> unitedBoxes(const PARR::GLRect<double>& a, const PARR::GLRect<double>& b) {
    if (a.width <= 0 || a.height <= 0)
        return b;
    if (b.width <= 0 || b.height <= 0)
        return a;
    const double left = std::min(a.left(), b.left());
    const double top = std::min(a.top(), b.top());
    const double right = std::max(a.right(), b.right());
    const double bottom = std::max(a.bottom(), b.bottom());
    return {left, top, right - left, bottom - top};
}

bool AttachedLineSets::isMovingWithAncestors(const QUILL::ImmutableClassObject& element,
                                             const Elements& set) {
    for (QUILL::ImmutableClassObject at = element; at.isValid(); at = at.getContainer()) {
        if (set.contains(DOVE2::DiagramElement(at)))
            return true;
    }
    return false;
}

void AttachedLineSets::build(const Elements& moving) {
    for (const DOVE2::DiagramElement& element : moving)
        collectLines(element);
    // Each step reads what the steps before it carried: a joint carried here makes its
    // segments' free ends move, and both make segments count as moving.
    for (const VTQUILL::Line& line : attachedLines)
        carrySolderJoints(line, moving);
    for (const VTQUILL::Line& line : attachedLines)
        carryFreeEnds(line, moving);
    for (const VTQUILL::Line& line : attachedLines)
        sortSegments(line, moving);
}

void AttachedLineSets::collectLines(const QUILL::ImmutableClassObject& object) {
    const DOVE2::GraphNode node(object);
    if (!node.isValid())
        return;
    for (const QUILL::ImmutableClassObject& edge : node.getEdges()) {
        const VTQUILL::Segment segment(edge);
        if (segment.isValid())
            attachedLines.insert(segment.getContainer());
    }
    for (const QUILL::ImmutableClassObject& child : node.getContained())
        collectLines(child);
}

PARR::GLRect<double> AttachedLineSets::movingBlocksBox(const VTQUILL::Line& line,
                                                       const Elements& moving) {
    PARR::GLRect<double> box;
    for (const VTQUILL::Segment& segment : line.getSegments()) {
        for (const QUILL::ImmutableClassObject& end :
             {segment.getSrcElement(), segment.getDstElement()}) {
            const VTQUILL::Port port(end);
            const VTQUILL::Block block = port.isValid() ? port.getContainer() : VTQUILL::Block();
            if (block.isValid() && isMovingWithAncestors(block, moving))
                box = unitedBoxes(box, boxOf(block));
        }
    }
    return box;
}

void AttachedLineSets::carrySolderJoints(const VTQUILL::Line& line, const Elements& moving) {
    const PARR::GLRect<double> box = movingBlocksBox(line, moving);
    for (const VTQUILL::SolderJoint& joint : line.getSolderJoints()) {
        if (liesWithin(boxOf(joint), box) && !isMovingWithAncestors(joint, moving))
            carriedElements.insert(DOVE2::DiagramElement(joint));
    }
}

bool AttachedLineSets::endMoves(const QUILL::ImmutableClassObject& end,
                                const Elements& moving) const {
    return isMovingWithAncestors(end, moving) || isMovingWithAncestors(end, carriedElements);
}

void AttachedLineSets::carryFreeEnds(const VTQUILL::Line& line, const Elements& moving) {
    for (const VTQUILL::Segment& segment : line.getSegments()) {
        const QUILL::ImmutableClassObject src = segment.getSrcElement();
        const QUILL::ImmutableClassObject dst = segment.getDstElement();
        if (!endMoves(src, moving) && !endMoves(dst, moving))
            continue;
        for (const QUILL::ImmutableClassObject& end : {src, dst}) {
            const VTQUILL::Terminator terminator(end);
            if (terminator.isValid() && !isMovingWithAncestors(terminator, moving))
                carriedElements.insert(DOVE2::DiagramElement(terminator));
        }
    }
}

void AttachedLineSets::sortSegments(const VTQUILL::Line& line, const Elements& moving) {
    for (const VTQUILL::Segment& segment : line.getSegments()) {
        const bool srcMoves = endMoves(segment.getSrcElement(), moving);
        const bool dstMoves = endMoves(segment.getDstElement(), moving);
        if (srcMoves && dstMoves) {
            translatedSegments.insert(segment);
        } else if (srcMoves || dstMoves) {
            reroutedSegments.insert(segment);
            routeHints.insert(segment, SegmentRouteHint::of(segment));
            reshapedLines.insert(line);
        }
    }
}

}  // namespace Vantor
