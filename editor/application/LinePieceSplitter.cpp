#include "application/LinePieceSplitter.h"

#include "application/Application.h"

namespace Vantor {

LinePieceSplitter::LinePieceSplitter(const VTQUILL::Line& line) : line_(line) {}

std::vector<VTQUILL::Line> LinePieceSplitter::split() {
    std::vector<VTQUILL::Line> pieces;
    if (!line_.isValid())
        return pieces;
    for (const VTQUILL::Segment& segment : line_.getSegments())
        open_.insert(segment);
    if (open_.empty())
        return pieces;

    receivingLine_ = line_;
    pieces.push_back(line_);
    walkFrom(*open_.begin());
    while (!open_.empty()) {
        receivingLine_ = Application::createLine(line_.getDiagram(), line_.getType());
        pieces.push_back(receivingLine_);
        walkFrom(*open_.begin());
    }
    return pieces;
}

void LinePieceSplitter::walkFrom(const VTQUILL::Segment& start) {
    // Depth first, in the order of a recursive walk (source before destination, a joint's
    // edges in their order), but on an explicit stack: a line may be long.
    std::vector<Visit> pending{{start, QUILL::ImmutableClassObject()}};
    while (!pending.empty()) {
        const auto [element, from] = pending.back();
        pending.pop_back();
        if (const VTQUILL::Segment segment(element); segment.isValid())
            visitSegment(segment, from, pending);
        else if (const VTQUILL::SolderJoint joint(element); joint.isValid())
            visitSolderJoint(joint, from, pending);
    }
}

void LinePieceSplitter::visitSegment(const VTQUILL::Segment& segment,
                                     const QUILL::ImmutableClassObject& from,
                                     std::vector<Visit>& pending) {
    if (open_.erase(segment) == 0)
        return;
    segment.setContainer(receivingLine_);
    const QUILL::ImmutableClassObject source = segment.getSrcElement();
    const QUILL::ImmutableClassObject destination = segment.getDstElement();
    // Pushed in reverse: the source is visited first.
    if (destination.isValid() && destination != from)
        pending.push_back({destination, segment});
    if (source.isValid() && source != from)
        pending.push_back({source, segment});
}

void LinePieceSplitter::visitSolderJoint(const VTQUILL::SolderJoint& joint,
                                         const QUILL::ImmutableClassObject& from,
                                         std::vector<Visit>& pending) {
    if (!visitedJoints_.insert(joint.getObjectId()).second)
        return;
    joint.setContainer(receivingLine_);
    const auto edges = joint.getEdges();
    for (auto it = edges.toVector().rbegin(); it != edges.toVector().rend(); ++it) {
        if (*it != from)
            pending.push_back({*it, joint});
    }
}

}  // namespace Vantor
