#include "application/LineCleanup.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "application/Application.h"
#include "application/Rounding.h"
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

// The absolute position of a segment's end element; nothing for an end attached to nothing.
// The data model keeps every attached end valid (a destroyed element is detached from the
// segments that end at it), so an end that is attached is a live graph node.
std::optional<Point> positionOf(const QUILL::ImmutableClassObject& end) {
    if (end.getObjectId() == QUILL::kNoObject)
        return std::nullopt;
    return Application::getAbsolutePosition(
        DOVE2::GraphElement(end.getDeviant(), end.getObjectId()));
}

bool endsAt(const VTQUILL::ImmutableSegment& segment, const QUILL::ImmutableClassObject& node) {
    return segment.getSrcElement() == node || segment.getDstElement() == node;
}

bool contains(const std::vector<VTQUILL::Segment>& segments, const VTQUILL::Segment& segment) {
    return std::find(segments.begin(), segments.end(), segment) != segments.end();
}

// Whether the segment's instance has a transaction open: then writing a value equal to the
// stored one changes nothing and may be left out (without one, the write reports the misuse).
bool inTransaction(const VTQUILL::Segment& segment) {
    return segment.getDeviant() && segment.getDeviant()->inTransaction();
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
    for (const VTQUILL::Segment& segment : line_.getSegments()) {
        std::optional<PARR::Path> path = withoutEndVertices(segment);
        if (path || !inTransaction(segment))
            segment.setPath(path ? *path : segment.getPath());
    }
}

std::optional<PARR::Path> LineCleanup::withoutEndVertices(const VTQUILL::Segment& segment) {
    const auto edge = segment.getGeometry();
    const PARR::Path& path = edge.path;
    std::size_t first = 0;
    std::size_t end = path.size();
    // An end's position is only looked up while there are vertices left to compare with it.
    if (first == end)
        return std::nullopt;
    if (const auto source = positionOf(edge.src)) {
        while (first < end && isNearZero(length(path[first] - *source)))
            ++first;
    }
    if (first == end)
        return PARR::Path();
    if (const auto destination = positionOf(edge.dst)) {
        while (first < end && isNearZero(length(path[end - 1] - *destination)))
            --end;
    }
    if (first == 0 && end == path.size())
        return std::nullopt;
    return PARR::Path(std::vector<Point>(path.begin() + static_cast<std::ptrdiff_t>(first),
                                         path.begin() + static_cast<std::ptrdiff_t>(end)));
}

// --- Phase 2: work list --------------------------------------------------------------------

void LineCleanup::collectSolderJoints() {
    workList_ = line_.getSolderJoints().toVector();
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
    const std::size_t count = groupBranchesByDirection(joint);
    for (std::size_t i = 0; i < count; ++i) {
        if (groups_[i].segments.size() > 1)
            separateGroup(joint, groups_[i]);
    }
}

std::size_t LineCleanup::groupBranchesByDirection(const VTQUILL::SolderJoint& joint) {
    std::size_t count = 0;
    const Point p = joint.getPosition();
    // The data model keeps a joint's edge list and its segments' ends in agreement: every
    // entry is a live segment of the joint.
    for (const QUILL::ImmutableClassObject& edge : joint.getEdges()) {
        const VTQUILL::Segment segment(edge.getDeviant(), edge.getObjectId());
        // A branch without vertices towards an end attached to nothing has no direction: it
        // cannot overlap anything, and there is nothing to warn about.
        const std::optional<Point> neighbour = neighbourPoint(segment, joint);
        if (!neighbour)
            continue;
        const Point d = *neighbour - p;
        const Point r = roundHalfAwayFromZero(d);
        const double rLength = length(r);
        const Point u = rLength > 0.0001 ? Point(r.x / rLength, r.y / rLength) : Point();
        const double len = d.x * u.x + d.y * u.y;
        if (isNearZero(len)) {
            // Too short to have a direction: it cannot overlap anything.
            if (!segment.getPath().empty())
                TESSEL::warning(kZeroLengthId, kZeroLengthText);
            continue;
        }
        DirectionGroup& group = groupFor(count, u);
        group.minDistance = std::min(group.minDistance, len);
        group.segments.push_back(segment);
    }
    return count;
}

DirectionGroup& LineCleanup::groupFor(std::size_t& count, const Point& u) {
    const DirectionGroup::Order before;
    // A joint has few directions: a linear search finds the first group not before u.
    std::size_t index = 0;
    while (index < count && before(groups_[index].direction, u))
        ++index;
    if (index < count && !before(u, groups_[index].direction))
        return groups_[index];
    // A spare entry past the count is emptied and rotated into place, keeping its buffer.
    if (count == groups_.size())
        groups_.emplace_back();
    DirectionGroup& spare = groups_[count];
    spare.minDistance = std::numeric_limits<double>::max();
    spare.segments.clear();
    ++count;
    for (std::size_t i = count - 1; i > index; --i)
        std::swap(groups_[i], groups_[i - 1]);
    DirectionGroup& added = groups_[index];
    added.direction = u;
    return added;
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
    for (const VTQUILL::Segment& segment : line_.getSegments()) {
        // Vertices are only ever dropped: a path with none to drop is the same path.
        const bool dropsAny = withoutStraightRunVertices(segment, nullptr);
        if (dropsAny || !inTransaction(segment)) {
            std::vector<Point> kept;
            withoutStraightRunVertices(segment, &kept);
            segment.setPath(PARR::Path(std::move(kept)));
        }
    }
}

bool LineCleanup::withoutStraightRunVertices(const VTQUILL::Segment& segment,
                                             std::vector<Point>* kept) {
    const auto edge = segment.getGeometry();
    const PARR::Path& v = edge.path;
    // A segment without vertices has none to drop or keep.
    if (v.empty())
        return false;
    const auto source = positionOf(edge.src);
    const auto destination = positionOf(edge.dst);
    if (kept)
        kept->reserve(v.size());
    bool dropsAny = false;
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
        if (!keep)
            dropsAny = true;
        else if (kept)
            kept->push_back(v[i]);
        prev = v[i];
    }
    return dropsAny;
}

// --- Point next to an element ----------------------------------------------------------------

std::optional<Point> LineCleanup::neighbourPoint(const VTQUILL::Segment& segment,
                                                 const VTQUILL::SolderJoint& joint) {
    const auto edge = segment.getGeometry();
    const bool leavesJoint = edge.src == joint;
    if (!edge.path.empty())
        return leavesJoint ? edge.path.front() : edge.path.back();
    return positionOf(leavesJoint ? edge.dst : edge.src);
}

void Application::cleanupLine(const VTQUILL::Line& line) {
    LineCleanup(line).run();
}

}  // namespace Vantor
