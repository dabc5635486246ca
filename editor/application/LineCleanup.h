#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "application/DirectionGroup.h"
#include "application/Export.h"
#include "dove2/ModelSchema.h"
#include "parr/GLPoint.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// Brings one line back to its normal form after an edit: no stored vertex on an end element,
// no two branches of a joint running on top of each other, every solder joint with three or
// more segments, no vertex in the middle of a straight run. Application::cleanupLine runs it.
//
// Changes the model directly, in the caller's open transaction on the line's instance:
// segments' paths and ends, joints created and destroyed, free ends (terminators) added. All
// positions are absolute diagram coordinates, except a solder joint's stored position, which
// is read and written as the data model holds it. A LineCleanup is used once, for one run,
// and holds handles only; the caller keeps the model open while it runs.
class VANTOR_EXPORT LineCleanup {
public:
    using Point = PARR::GLPoint<double>;

    // ε for "near zero": the double epsilon.
    static constexpr double kNearZero = 2.220446049250313e-16;

    explicit LineCleanup(const VTQUILL::Line& line);

    // The five phases in order. A stale line handle does nothing.
    void run();

    // The phases, public so that each can be checked on its own; run() calls them in this
    // order, and each relies on the ones before it having run.
    //
    // 1. Drops stored vertices that coincide with the segment's end elements; a segment's
    //    first and last legs must be real before directions are read from them.
    void removeVerticesAtEnds();
    // 2. Seeds the work list with the line's solder joints, in the line's order.
    void collectSolderJoints();
    // 3. At every joint of the work list (including joints appended while it runs), moves
    //    branches that leave in one direction onto a shared joint where the first of them
    //    turns or ends, so that no two branches overlap. Always terminates.
    void separateOverlappingBranches();
    // 4. Settles every joint of the work list by its number of segments: none, destroyed;
    //    one, replaced by a free end; two, merged away; three or more, kept.
    void settleJointDegrees();
    // 5. Drops every vertex whose two legs are parallel (a straight run or a spike).
    void removeStraightRunVertices();

    // The joints seen by phases 2 and 3, in order; a joint may appear more than once and
    // entries may have become stale.
    const std::vector<VTQUILL::SolderJoint>& workList() const { return workList_; }

    // Replaces a joint that has exactly two segments by one segment: the first keeps its
    // identity and takes over the second's vertices and far end; the second and the joint are
    // destroyed. A joint whose two edges are one segment closed on itself, a stale joint and a
    // joint with any other number of segments are left alone.
    static void mergeSegmentsAtJoint(const VTQUILL::SolderJoint& joint);

    static bool isNearZero(double v) { return v == 0 || (-kNearZero <= v && v <= kNearZero); }

private:
    // One entry of the position cache: an element's id (kNoObject when free) and its place.
    struct PositionSlot {
        QUILL::ObjectId id = QUILL::kNoObject;
        Point position;
    };

    // What moving a group's segments onto the branch joint did.
    struct GroupMove {
        bool anyMoved = false;
        bool incomingMoved = false;
    };

    void separateBranchesAt(const VTQUILL::SolderJoint& joint);
    // Fills groups_ with the joint's groups, one per direction, in DirectionGroup::Order;
    // returns how many there are (the first entries of groups_).
    std::size_t groupBranchesByDirection(const VTQUILL::SolderJoint& joint);
    // The group of direction u among the first `count` groups, added in order when missing.
    DirectionGroup& groupFor(std::size_t& count, const Point& u);
    // Fills segments_ with the line's segments, in the line's order; appends the line's solder
    // joints, in order, to `joints` unless it is null.
    void collectSegments(std::vector<VTQUILL::SolderJoint>* joints = nullptr);
    // Phase 1 on the segments in segments_.
    void removeVerticesAtEndsOfSegments();
    void separateGroup(const VTQUILL::SolderJoint& joint, const DirectionGroup& group);
    VTQUILL::SolderJoint findJointAt(const VTQUILL::SolderJoint& joint, const DirectionGroup& group,
                                     const Point& at) const;
    static GroupMove moveGroupOntoJoint(const VTQUILL::SolderJoint& joint,
                                        const VTQUILL::SolderJoint& branchJoint,
                                        const DirectionGroup& group, Point at);
    static bool moveSegmentOntoJoint(const VTQUILL::Segment& segment,
                                     const VTQUILL::SolderJoint& joint,
                                     const VTQUILL::SolderJoint& branchJoint, Point& at);
    static std::vector<VTQUILL::Segment> deadEndStubs(const VTQUILL::SolderJoint& joint,
                                                      const VTQUILL::SolderJoint& branchJoint,
                                                      const DirectionGroup& group, bool& deadEnd);

    static void settleJoint(const VTQUILL::SolderJoint& joint);
    static void replaceJointByFreeEnd(const VTQUILL::SolderJoint& joint);
    // Whether any of the segment's vertices lies on a straight run or spike; the vertices
    // that do not are appended to `kept` unless it is null.
    bool withoutStraightRunVertices(const VTQUILL::Segment& segment, std::vector<Point>* kept);
    // The segment's vertices without those on its end elements; nothing when none is dropped.
    std::optional<PARR::Path> withoutEndVertices(const VTQUILL::Segment& segment);
    // The point next to the joint on the segment: the nearest stored vertex, else the absolute
    // position of the other end element ((0, 0) when that end is attached to nothing).
    // `state` is the segment's current state.
    Point neighbourPoint(const VTQUILL::Segment& segment, const QUILL::ObjectState& state,
                         const VTQUILL::SolderJoint& joint);
    // The absolute position of an end element, remembered for the run: elements of a line do
    // not move while it is cleaned up (new joints and free ends get their place as they are
    // made). Nothing for an end attached to nothing.
    std::optional<Point> positionOf(const QUILL::ImmutableClassObject& element);
    // The cache slot for the id: the one holding it, else the free one where it belongs.
    PositionSlot& positionSlot(QUILL::ObjectId id);
    void growPositions();

    VTQUILL::Line line_;
    // The attributes of graph elements and edges, looked up once for the run.
    const DOVE2::ModelSchema& schema_;
    std::vector<VTQUILL::SolderJoint> workList_;
    // The position cache: an open-addressing table whose size is a power of two, at most half
    // full.
    std::vector<PositionSlot> positions_;
    std::size_t positionCount_ = 0;
    // Scratch for the edge list of the joint being grouped.
    QUILL::RefList edgeIds_;
    // Scratch for the groups of the joint being visited; entries past the count in use keep
    // their buffers for the next joint.
    std::vector<DirectionGroup> groups_;
    // Scratch for the line's segments in phases 1 and 5.
    std::vector<VTQUILL::Segment> segments_;
};

}  // namespace Vantor
