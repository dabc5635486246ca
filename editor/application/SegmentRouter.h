#pragma once

#include <initializer_list>

#include "application/Export.h"
#include "parr/GLPoint.h"
#include "parr/GLRect.h"
#include "parr/Path.h"

namespace Vantor {

class PathEndpoint;

// The steps of the segment router (Application::getSegmentRoute is the driver that runs
// them). Pure geometry on points in absolute diagram coordinates: no model access beyond the
// PathEndpoint calls, no state, no rounding (the driver rounds the joined route once).
class VANTOR_EXPORT SegmentRouter {
public:
    using Point = PARR::GLPoint<double>;
    using Rect = PARR::GLRect<double>;

    // Below this offset between two ends the connector makes a single bend.
    static constexpr double kJogThreshold = 5;
    // A corner added to a trimmed route is kept only this far or farther from the next point.
    static constexpr double kMinimumCornerDistance = 10;
    // How far a detour starts beyond the element along its stem, and its clearance beside a
    // block.
    static constexpr double kDetourOffset = 20;
    // A horizontally attached end's detour clearance past the block's y + height edge.
    static constexpr double kDetourDepth = 40;

    // Which way trimReusedPath walks: from the route's first point (the source moved) or from
    // its last (the destination moved).
    enum class Walk { Forwards, Backwards };
    // Which end of the route an endpoint is.
    enum class End { Source, Destination };

    // What trimReusedPath keeps of a previous route. `kept` runs in the route's direction;
    // when it is empty, the join fields mean nothing.
    struct TrimmedRoute {
        PARR::Path kept;
        // Where the new connector must meet the kept part (the kept point nearest the moved
        // end), and whether the kept leg there runs horizontally.
        Point joinPoint;
        bool joinHorizontal = false;
    };

    // A path from a to b of one, two or three axis-parallel legs; hA and hB ask for the leg
    // at a and at b to run horizontally. Always starts with a; ends with b (a and b both
    // appear even when equal: simplify merges them).
    static PARR::Path connectOrthogonally(const Point& a, const Point& b, bool hA, bool hB);

    // The unchanged part of `previous` beyond its moved end, which was the route's first point
    // (Forwards) or last point (Backwards) and now lies at `movedTo`: points inside the
    // horizontal or vertical band between the old and the new position are dropped, and the
    // first point outside is kept or replaced by a corner at the band's edge. Empty when
    // `previous` has fewer than 3 points or fewer than 2 points survive.
    static TrimmedRoute trimReusedPath(const PARR::Path& previous, Walk direction,
                                       const Point& movedTo);

    // Whether the straight leg p-q meets an edge of r (touching counts; an edge parallel to
    // the leg never does, so a zero-size rectangle is never met).
    static bool legCrossesRect(const Point& p, const Point& q, const Rect& r);

    // A detour around `endpoint`'s rectangle when the leg of `middle` at that end crosses it;
    // empty when the endpoint refuses detours, middle has fewer than 2 points, or the leg is
    // clear. The detour runs in the route's direction and shares its first (source) or last
    // (destination) point with the join point p; when a detour is made, p moves to its far
    // corner and h flips. `o` is the join point at the other end of the route.
    static PARR::Path routeAroundEndpoint(const PARR::Path& middle, const PathEndpoint& endpoint,
                                          End end, Point& p, const Point& o, bool& h);

    // What reusePreviousRoute keeps of a previous route.
    struct ReusedRoute {
        // Whether the kept part is on the destination side (the source moved; this side wins
        // when both ends match).
        bool destinationSide = false;
        // The kept part, in the route's direction; empty when nothing can be kept.
        PARR::Path kept;
    };

    // The reuse step: when `previous` (2 points or more) still ends at b or starts at a, the
    // part beyond the end that stayed is kept (trimReusedPath towards the moved endpoint's
    // absolute position), and the join point and flag on the moved side (a and hA, or b and
    // hB) move to where the kept part begins, so the connector aims at it. Nothing changes
    // when neither end matches or nothing survives the trim.
    static ReusedRoute reusePreviousRoute(const PARR::Path& previous, const PathEndpoint& src,
                                          const PathEndpoint& dst, Point& a, Point& b, bool& hA,
                                          bool& hB);

    // Every coordinate rounded (roundHalfAwayFromZero), then repeated points and points inside
    // straight runs removed.
    static PARR::Path roundAndSimplify(const PARR::Path& route);
    // The pieces concatenated in order, then rounded and simplified as above.
    static PARR::Path joinRoundAndSimplify(std::initializer_list<const PARR::Path*> pieces);
};

}  // namespace Vantor
