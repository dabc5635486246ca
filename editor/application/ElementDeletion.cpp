#include "application/ElementDeletion.h"

#include <utility>
#include <vector>

#include "application/Application.h"
#include "application/LinePieceSplitter.h"

namespace Vantor {

namespace {

bool isOnSignalLine(const VTQUILL::Segment& segment) {
    const VTQUILL::Line line = segment.getContainer();
    return line.isValid() && line.getType() == VTQUILL::kSignalLine;
}

void destroyIfTerminator(const QUILL::ImmutableClassObject& end) {
    const VTQUILL::Terminator terminator(end);
    if (terminator.isValid())
        terminator.destroy();
}

}  // namespace

ElementDeletion::ElementDeletion(const PARR::GSet<DOVE2::DiagramElement>& elements)
    : elements_(elements) {}

void ElementDeletion::run() {
    expandDownstream();
    deleteMarkedElements();
    repairTouchedLines();
}

// --- Step 1: downstream expansion ----------------------------------------------------------

void ElementDeletion::expandDownstream() {
    for (const DOVE2::DiagramElement& element : elements_) {
        const VTQUILL::Segment segment(element);
        if (segment.isValid() && isOnSignalLine(segment))
            markDownstreamOf(segment);
    }
    for (const DOVE2::DiagramElement& element : elements_)
        deletionSet_.insert(element);
}

void ElementDeletion::markDownstreamOf(const VTQUILL::Segment& segment) {
    // Each out-edge is marked and then followed before its next sibling, as a recursive walk
    // would; the explicit stack copes with long chains, and following only segments that were
    // not marked yet copes with a cycle through joints.
    std::vector<std::pair<VTQUILL::Segment, bool>> pending{{segment, false}};
    while (!pending.empty()) {
        const auto [current, mark] = pending.back();
        pending.pop_back();
        if (mark && !deletionSet_.insert(current))
            continue;
        const VTQUILL::SolderJoint joint(current.getDstElement());
        if (!joint.isValid())
            continue;
        const auto outEdges = joint.getOutEdges().toVector();
        for (auto it = outEdges.rbegin(); it != outEdges.rend(); ++it)
            pending.push_back({*it, true});
    }
}

// --- Step 2: deletion ----------------------------------------------------------------------

void ElementDeletion::deleteMarkedElements() {
    for (const DOVE2::DiagramElement& element : deletionSet_) {
        if (const VTQUILL::Block block(element); block.isValid())
            deleteBlock(block);
        else if (const VTQUILL::Segment segment(element); segment.isValid())
            deleteSegment(segment);
        else if (const VTQUILL::Annotation annotation(element); annotation.isValid())
            annotation.destroy();
    }
}

void ElementDeletion::deleteBlock(const VTQUILL::Block& block) {
    const auto ports = block.getContained();
    for (const VTQUILL::Port& port : ports) {
        const VTQUILL::Segment segment = port.getEdge();
        if (segment.isValid() && !deletionSet_.contains(segment))
            freeEndAtPort(segment, port);
    }
    for (const VTQUILL::Port& port : ports)
        port.removeEdge();
    block.destroy();
}

void ElementDeletion::freeEndAtPort(const VTQUILL::Segment& segment, const VTQUILL::Port& port) {
    const Application::Point q = Application::getAbsolutePosition(port);
    if (segment.getSrcElement() == port) {
        segment.setSrcElement(QUILL::ImmutableClassObject());
        segment.addSrcTerminator(q).setPosition(q);
    } else {
        segment.setDstElement(QUILL::ImmutableClassObject());
        segment.addDstTerminator(q).setPosition(q);
    }
}

void ElementDeletion::deleteSegment(const VTQUILL::Segment& segment) {
    touchedLines_.insert(segment.getContainer());
    destroyIfTerminator(segment.getSrcElement());
    destroyIfTerminator(segment.getDstElement());
    segment.destroy();
}

// --- Step 3: line repair -------------------------------------------------------------------

void ElementDeletion::repairTouchedLines() {
    for (const VTQUILL::Line& line : touchedLines_) {
        if (!line.isValid())
            continue;
        if (line.getSegments().empty()) {
            destroyEmptyLine(line);
            continue;
        }
        Application::cleanupLine(line);
        LinePieceSplitter(line).split();
    }
}

void ElementDeletion::destroyEmptyLine(const VTQUILL::Line& line) {
    for (auto joints = line.getSolderJoints(); !joints.empty(); joints = line.getSolderJoints())
        joints.front().destroy();
    line.destroy();
}

void Application::deleteElements(const PARR::GSet<DOVE2::DiagramElement>& elements) {
    ElementDeletion(elements).run();
}

}  // namespace Vantor
