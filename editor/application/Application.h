#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/Application.h"
#include "dove2/DiagramElement.h"
#include "dove2/GraphElement.h"
#include "parr/GLPoint.h"
#include "parr/GLRect.h"
#include "parr/GSet.h"
#include "parr/Path.h"
#include "vtquill/VTQuill.h"
#include "wren/Listener.h"

namespace HARBOR {
class Studio;
}

namespace Vantor {

class PathEndpoint;

// The block-diagram domain's application object, and the home of the line operations: the
// geometry of lines, the segment router, construction and splitting, the clean-up that brings
// a line back to its normal form, and deletion with repair of lines.
//
// The object: one per model, made by the domain implementation and owned through the
// framework's reference counting (PARR::Holder); it listens to the model's commits through
// its DOVE2::Application base and owns signal connections through its WREN::Listener base,
// which are cut first thing when it is destroyed. It adds no data of its own.
//
// The line operations are static: they take handles by constant reference, keep no state and
// report no errors (stale handles are detected with isValid and skipped). Points are in
// absolute diagram coordinates. Each group is implemented in its own source file:
// LineGeometry.cpp, SegmentRouter.cpp, LineConstruction.cpp, LineCleanup.cpp,
// ElementDeletion.cpp.
class VANTOR_EXPORT Application : public DOVE2::Application, public WREN::Listener {
public:
    using Point = PARR::GLPoint<double>;

    // The studio is not owned and may be null.
    Application(const VTQUILL::Model& model, HARBOR::Studio* studio);
    Application(const Application& other) = default;
    Application& operator=(const Application& other) = default;
    ~Application() override;

    // The application's model as a block-diagram model.
    VTQUILL::Model getVTModel() const;

    // --- Line geometry (LineGeometry.cpp) --------------------------------------------------
    // Own position plus the positions of all valid containers that are diagram elements (a
    // diagram ends the sum). The element must be valid (reading an invalid handle throws the
    // repository's null-reference exception).
    static Point getAbsolutePosition(const DOVE2::GraphElement& element);
    // The port's absolute position moved out along its orientation by the stem length of its
    // kind ("In Port" 15, "Out Port" 5, "Connection Port" 16, others 0). Orientations other
    // than exactly 0, 90, 180 and 270 leave the position unmoved.
    static Point getPortStem(const VTQUILL::Port& port);
    // Point `index` of the segment's complete polyline (0: source element's absolute
    // position, n + 1: destination's, 1..n: stored vertices). An index outside 0..n + 1
    // throws std::out_of_range.
    static Point getSegmentPoint(const VTQUILL::Segment& segment, int index);
    // |a.x - b.x| > |a.y - b.y| (equal spans count as vertical).
    static bool pointsAreHorizontal(const Point& a, const Point& b);
    // Whether the segment leaves the element horizontally: a port by its orientation (0 or
    // 180), a terminator or solder joint by the segment's neighbouring point (a joint with a
    // diagonal, vertex-free segment by a vote of its other edges, ties vertical); any other
    // element counts as horizontal.
    static bool pathOrientationAtElementIsHorizontal(const DOVE2::DiagramElement& element,
                                                     const VTQUILL::Segment& segment);
    // Where a route attaches to an element: a valid port's stem point, else the element's
    // absolute position.
    static Point elementPathPoint(const DOVE2::GraphElement& element);
    // The first stored vertex, else the destination's path point when valid, else (0, 0).
    static Point pointAfterSource(const VTQUILL::Segment& segment);
    // The last stored vertex, else the source's path point when valid, else (0, 0).
    static Point pointBeforeDestination(const VTQUILL::Segment& segment);

    // --- Segment routing (SegmentRouter.cpp) -----------------------------------------------
    // An axis-parallel route from src's path point to dst's, reusing what it can of
    // `previous`; empty when an endpoint is invalid. Integer coordinates (halves rounded away
    // from zero), simplified (no repeated points, no points inside a straight run).
    static PARR::Path getSegmentRoute(const PathEndpoint& src, const PathEndpoint& dst,
                                      const PARR::Path& previous, bool srcHorizontal,
                                      bool dstHorizontal);
    // The segment's complete polyline with the ends' path points (an end point equal to the
    // neighbouring stored vertex appears once). An end that is attached to nothing valid is
    // left out.
    static PARR::Path getCompleteSegmentPath(const VTQUILL::Segment& segment);

    // --- Construction and splitting (LineConstruction.cpp) ---------------------------------
    // The creators need an open transaction on the handle's instance. In the root (deviant id
    // 0) they use the container's own adders; in a working copy they make the object with
    // the model's factory and move it into the container, and createLine then leaves the
    // line's type unset.
    static VTQUILL::Line createLine(const VTQUILL::Diagram& diagram, const std::string& type);
    static VTQUILL::Segment createSegment(const VTQUILL::Line& line);
    static VTQUILL::SolderJoint createSolderJoint(const VTQUILL::Line& line);
    // Splits the segment at the leg nearest to `point`; returns the joint between the parts.
    // The segment keeps its source and the vertices before the leg; a new segment of the same
    // line runs from the joint to the old destination with the vertices after it.
    static VTQUILL::SolderJoint splitSegment(const VTQUILL::Segment& segment, const Point& point);
    // Whether a connection may run from a (upstream) to b (downstream). False for a == b and
    // for anything that is not a valid port or segment.
    static bool canConnect(const DOVE2::GraphElement& a, const DOVE2::GraphElement& b);

    // --- Clean-up (LineCleanup.cpp) --------------------------------------------------------
    static void cleanupLine(const VTQUILL::Line& line);

    // --- Deletion (ElementDeletion.cpp) ----------------------------------------------------
    static void deleteElements(const PARR::GSet<DOVE2::DiagramElement>& elements);
};

}  // namespace Vantor
