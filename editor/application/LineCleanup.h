#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "application/DirectionGroup.h"
#include "application/Export.h"
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
// is read and written as the data model holds it. An end attached to nothing has no position:
// it gives no leg to compare, and a branch without vertices towards it has no direction (it
// joins no group and gives no warning); such an end stays attached to nothing. A LineCleanup
// is used once, for one run, and holds handles only; the caller keeps the model open while it
// runs.
class VANTOR_EXPORT LineCleanup {
public:
    using Point = PARR::GLPoint<double>;

    // ε for "near zero": the double epsilon.
    static constexpr double kNearZero = 2.220446049250313e-16;

    explicit LineCleanup(const VTQUILL::Line& line);

    // Runs the five phases below on the line, in their order, each once. Nothing is reported
    // to the caller; a branch too short to have a direction that still has vertices gives the
    // "VTDove:ZeroLengthSegment" warning. A stale line handle does nothing.
    void run();

    // The phases, public so that each can be checked on its own; each relies on the ones
    // before it having run.
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
    // What moving a group's segments onto the branch joint did.
    struct GroupMove {
        bool anyMoved = false;
        bool incomingMoved = false;
    };

    void separateBranchesAt(const VTQUILL::SolderJoint& joint);
    // Fills groups_ with the joint's branches that have a direction, one group per direction,
    // in DirectionGroup::Order; returns how many groups there are (the first entries).
    std::size_t groupBranchesByDirection(const VTQUILL::SolderJoint& joint);
    // The group of direction u among the first `count` groups, added in order when missing.
    DirectionGroup& groupFor(std::size_t& count, const Point& u);
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
    static bool withoutStraightRunVertices(const VTQUILL::Segment& segment,
                                           std::vector<Point>* kept);
    // The segment's vertices without those on its end elements; nothing when none is dropped.
    static std::optional<PARR::Path> withoutEndVertices(const VTQUILL::Segment& segment);
    // The point next to the joint on the segment (one of the joint's edges): its nearest
    // stored vertex, else the absolute position of its other end element. Nothing when it has
    // no vertex and that end is attached to nothing: such a branch has no direction.
    static std::optional<Point> neighbourPoint(const VTQUILL::Segment& segment,
                                               const VTQUILL::SolderJoint& joint);

    VTQUILL::Line line_;
    std::vector<VTQUILL::SolderJoint> workList_;
    // Scratch for the groups of the joint being visited; entries past the count in use keep
    // their buffers for the next joint, so that a visit allocates nothing once they are warm.
    std::vector<DirectionGroup> groups_;
};

}  // namespace Vantor
