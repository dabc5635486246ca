#include "application/LineCleanup.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "application/Application.h"
#include "application/SegmentSplitter.h"
#include "tessel/WarningService.h"

namespace Vantor {

namespace {

using Point = LineCleanup::Point;

const char* const kZeroLengthId = "VTDove:ZeroLengthSegment";
const char* const kZeroLengthText = "Zero-length segment encountered.";

double length(const Point& v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

// Halves away from zero.
double roundHalfAway(double v) {
    return v >= 0 ? std::floor(v + 0.5) : std::ceil(v - 0.5);
}

// The absolute position of a segment's end element; nothing for an end attached to nothing.
std::optional<Point> endPosition(const QUILL::ImmutableClassObject& element) {
    const DOVE2::GraphElement graphElement(element);
    if (!graphElement.isValid())
        return std::nullopt;
    return Application::getAbsolutePosition(graphElement);
}

bool endsAt(const VTQUILL::ImmutableSegment& segment, const QUILL::ImmutableClassObject& node) {
    return segment.getSrcElement() == node || segment.getDstElement() == node;
}

bool contains(const std::vector<VTQUILL::Segment>& segments, const VTQUILL::Segment& segment) {
    return std::find(segments.begin(), segments.end(), segment) != segments.end();
}

PARR::Path reversed(PARR::Path path) {
    path.reverse();
    return path;
}

}  // namespace

LineCleanup::LineCleanup(const VTQUILL::Line& line) : line_(line) {}

void LineCleanup::run() {
    if (!line_.isValid())
        return;
    removeVerticesAtEnds();
    collectSolderJoints();
    separateOverlappingBranches();
    settleJointDegrees();
    removeStraightRunVertices();
}

// --- Phase 1: end vertices -----------------------------------------------------------------

void LineCleanup::removeVerticesAtEnds() {
    for (const VTQUILL::Segment& segment : line_.getSegments())
        segment.setPath(withoutEndVertices(segment));
}

PARR::Path LineCleanup::withoutEndVertices(const VTQUILL::Segment& segment) {
    PARR::Path path = segment.getPath();
    if (const auto source = positionOf(segment.getSrcElement())) {
        while (!path.empty() && isNearZero(length(path.front() - *source)))
            path.removePoint(0);
    }
    if (const auto destination = positionOf(segment.getDstElement())) {
        while (!path.empty() && isNearZero(length(path.back() - *destination)))
            path.removePoint(path.size() - 1);
    }
    return path;
}

// --- Phase 2: work list --------------------------------------------------------------------

void LineCleanup::collectSolderJoints() {
    workList_.clear();
    for (const VTQUILL::SolderJoint& joint : line_.getSolderJoints())
        workList_.push_back(joint);
}

// --- Phase 3: overlapping branches ---------------------------------------------------------

void LineCleanup::separateOverlappingBranches() {
    // The list grows while it is walked: a joint made or reused as a branch point is
    // examined in turn, since the segments moved onto it may overlap further out.
    for (std::size_t i = 0; i < workList_.size(); ++i) {
        // A copy: appending to the list may move its entries.
        const VTQUILL::SolderJoint joint = workList_[i];
        separateBranchesAt(joint);
    }
}

void LineCleanup::separateBranchesAt(const VTQUILL::SolderJoint& joint) {
    if (!joint.isValid())
        return;
    for (const auto& [direction, group] : groupBranchesByDirection(joint)) {
        if (group.segments.size() > 1)
            separateGroup(joint, group);
    }
}

LineCleanup::DirectionGroups LineCleanup::groupBranchesByDirection(
    const VTQUILL::SolderJoint& joint) {
    DirectionGroups groups;
    const Point p = joint.getPosition();
    for (const auto& edge : joint.getEdges()) {
        const VTQUILL::Segment segment(edge);
        if (!segment.isValid())
            continue;
        const Point d = neighbourPoint(segment, joint) - p;
        const Point r(roundHalfAway(d.x), roundHalfAway(d.y));
        const double rLength = length(r);
        const Point u = rLength > 0.0001 ? Point(r.x / rLength, r.y / rLength) : Point();
        const double len = d.x * u.x + d.y * u.y;
        if (isNearZero(len)) {
            // Too short to have a direction: it cannot overlap anything.
            if (!segment.getPath().empty())
                TESSEL::warning(kZeroLengthId, kZeroLengthText);
            continue;
        }
        DirectionGroup& group = groups[u];
        group.direction = u;
        group.minDistance = std::min(group.minDistance, len);
        group.segments.push_back(segment);
    }
    return groups;
}

void LineCleanup::separateGroup(const VTQUILL::SolderJoint& joint, const DirectionGroup& group) {
    const Point branchPoint = joint.getPosition() + group.direction * group.minDistance;
    VTQUILL::SolderJoint branchJoint = findJointAt(joint, group, branchPoint);
    const bool created = !branchJoint.isValid();
    if (created) {
        branchJoint = Application::createSolderJoint(line_);
        branchJoint.setPosition(branchPoint);
    }
    const GroupMove move = moveGroupOntoJoint(joint, branchJoint, group, branchPoint);
    // Every segment already ends at the branch joint: nothing changed, and examining that
    // joint again would only lead back here (two segments between the same two joints).
    if (!created && !move.anyMoved)
        return;

    bool deadEnd = false;
    const std::vector<VTQUILL::Segment> stubs = deadEndStubs(joint, branchJoint, group, deadEnd);
    if (deadEnd) {
        // Nothing but the overlap met at the joint (a U-turn): the overlap collapses onto the
        // branch joint, and no free end is left behind where the joint was.
        for (const VTQUILL::Segment& stub : stubs)
            stub.destroy();
    } else if (created) {
        const VTQUILL::Segment link = Application::createSegment(line_);
        link.setSrcElement(move.incomingMoved ? branchJoint : joint);
        link.setDstElement(move.incomingMoved ? joint : branchJoint);
    }
    workList_.push_back(branchJoint);
}

VTQUILL::SolderJoint LineCleanup::findJointAt(const VTQUILL::SolderJoint& joint,
                                              const DirectionGroup& group, const Point& at) const {
    VTQUILL::SolderJoint found;
    auto consider = [&](const QUILL::ImmutableClassObject& end) {
        const VTQUILL::SolderJoint candidate(end);
        // The joint itself is never its own branch point.
        if (candidate.isValid() && candidate != joint && candidate.getPosition() == at)
            found = candidate;
    };
    for (const VTQUILL::Segment& segment : group.segments) {
        consider(segment.getSrcElement());
        consider(segment.getDstElement());
    }
    return found;
}

LineCleanup::GroupMove LineCleanup::moveGroupOntoJoint(const VTQUILL::SolderJoint& joint,
                                                       const VTQUILL::SolderJoint& branchJoint,
                                                       const DirectionGroup& group, Point at) {
    GroupMove move;
    for (const VTQUILL::Segment& segment : group.segments) {
        if (!segment.isValid() || endsAt(segment, branchJoint))
            continue;
        const bool incoming = moveSegmentOntoJoint(segment, joint, branchJoint, at);
        move.anyMoved = true;
        move.incomingMoved = move.incomingMoved || incoming;
    }
    return move;
}

bool LineCleanup::moveSegmentOntoJoint(const VTQUILL::Segment& segment,
                                       const VTQUILL::SolderJoint& joint,
                                       const VTQUILL::SolderJoint& branchJoint, Point& at) {
    const SegmentSplitter::Split split = SegmentSplitter::splitPathAtNearestLeg(segment, at);
    // The rest of the group is split at the point as it lies on this segment.
    at = split.point;
    const Point branchPosition = Application::getAbsolutePosition(branchJoint);
    if (segment.getSrcElement() == joint) {
        PARR::Path after = split.after;
        if (!after.empty() && after.front() == branchPosition)
            after.removePoint(0);
        segment.setPath(after);
        segment.setSrcElement(branchJoint);
        return false;
    }
    PARR::Path before = split.before;
    if (!before.empty() && before.back() == branchPosition)
        before.removePoint(before.size() - 1);
    segment.setPath(before);
    segment.setDstElement(branchJoint);
    return true;
}

std::vector<VTQUILL::Segment> LineCleanup::deadEndStubs(const VTQUILL::SolderJoint& joint,
                                                        const VTQUILL::SolderJoint& branchJoint,
                                                        const DirectionGroup& group,
                                                        bool& deadEnd) {
    std::vector<VTQUILL::Segment> stubs;
    deadEnd = false;
    for (const auto& edge : joint.getEdges()) {
        const VTQUILL::Segment segment(edge);
        if (!contains(group.segments, segment) || !endsAt(segment, branchJoint))
            return {};
        if (!contains(stubs, segment))
            stubs.push_back(segment);
    }
    deadEnd = true;
    return stubs;
}

// --- Phase 4: joint degree -----------------------------------------------------------------

void LineCleanup::settleJointDegrees() {
    for (const VTQUILL::SolderJoint& joint : workList_)
        settleJoint(joint);
}

void LineCleanup::settleJoint(const VTQUILL::SolderJoint& joint) {
    if (!joint.isValid())
        return;
    switch (joint.getEdges().size()) {
        case 0:
            joint.destroy();
            return;
        case 1:
            replaceJointByFreeEnd(joint);
            return;
        case 2:
            mergeSegmentsAtJoint(joint);
            return;
        default:
            return;
    }
}

void LineCleanup::replaceJointByFreeEnd(const VTQUILL::SolderJoint& joint) {
    const VTQUILL::Segment segment(joint.getEdges().front());
    const Point q = Application::getAbsolutePosition(joint);
    if (segment.getSrcElement() == joint) {
        segment.setSrcElement(QUILL::ImmutableClassObject());
        segment.addSrcTerminator(q).setPosition(q);
    } else {
        segment.setDstElement(QUILL::ImmutableClassObject());
        segment.addDstTerminator(q).setPosition(q);
    }
    joint.destroy();
}

void LineCleanup::mergeSegmentsAtJoint(const VTQUILL::SolderJoint& joint) {
    if (!joint.isValid())
        return;
    const auto edges = joint.getEdges();
    if (edges.size() != 2)
        return;
    const auto in = joint.getInEdges();
    const auto out = joint.getOutEdges();
    const bool oneInOneOut = in.size() == 1 && out.size() == 1;
    const VTQUILL::Segment a = oneInOneOut ? in.front() : VTQUILL::Segment(edges[0]);
    const VTQUILL::Segment b = oneInOneOut ? out.front() : VTQUILL::Segment(edges[1]);
    // One segment closed on itself through the joint: there is nothing to join it to.
    if (a == b)
        return;

    const bool aEndsAtJoint = a.getDstElement() == joint;
    const bool bStartsAtJoint = b.getSrcElement() == joint;
    const QUILL::ImmutableClassObject farEnd =
        bStartsAtJoint ? b.getDstElement() : b.getSrcElement();
    const PARR::Path jointToFar = bStartsAtJoint ? b.getPath() : reversed(b.getPath());
    const PARR::Path jointPosition{joint.getPosition()};
    const PARR::Path merged = aEndsAtJoint ? a.getPath() + jointPosition + jointToFar
                                           : reversed(jointToFar) + jointPosition + a.getPath();

    b.destroy();
    joint.destroy();
    if (aEndsAtJoint)
        a.setDstElement(farEnd);
    else
        a.setSrcElement(farEnd);
    a.setPath(merged);
}

// --- Phase 5: straight runs ----------------------------------------------------------------

void LineCleanup::removeStraightRunVertices() {
    for (const VTQUILL::Segment& segment : line_.getSegments())
        segment.setPath(withoutStraightRunVertices(segment));
}

PARR::Path LineCleanup::withoutStraightRunVertices(const VTQUILL::Segment& segment) {
    const PARR::Path& v = segment.getPath();
    const auto source = positionOf(segment.getSrcElement());
    const auto destination = positionOf(segment.getDstElement());
    PARR::Path kept;
    std::optional<Point> prev = source;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const std::optional<Point> next = i + 1 < v.size() ? v[i + 1] : destination;
        // Next to an end attached to nothing there is no leg to compare: keep the vertex.
        bool keep = true;
        if (prev && next) {
            const Point a = v[i] - *prev;
            const Point b = *next - v[i];
            keep = std::abs(a.y * b.x - b.y * a.x) >= length(a) * length(b) * kNearZero;
        }
        if (keep)
            kept.addPoint(v[i]);
        prev = v[i];
    }
    return kept;
}

// --- Point next to an element ----------------------------------------------------------------

Point LineCleanup::neighbourPoint(const VTQUILL::Segment& segment,
                                  const VTQUILL::SolderJoint& joint) {
    const PARR::Path& path = segment.getPath();
    if (segment.getSrcElement() == joint) {
        if (!path.empty())
            return path.front();
        return positionOf(segment.getDstElement()).value_or(Point());
    }
    if (!path.empty())
        return path.back();
    return positionOf(segment.getSrcElement()).value_or(Point());
}

std::optional<Point> LineCleanup::positionOf(const QUILL::ImmutableClassObject& element) {
    if (element.getObjectId() == QUILL::kNoObject)
        return std::nullopt;
    if (const auto known = positions_.find(element.getObjectId()); known != positions_.end())
        return known->second;
    const std::optional<Point> position = endPosition(element);
    if (position)
        positions_.emplace(element.getObjectId(), *position);
    return position;
}

void Application::cleanupLine(const VTQUILL::Line& line) {
    LineCleanup(line).run();
}

}  // namespace Vantor
