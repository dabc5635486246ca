// The segment router: Application::getSegmentRoute and its steps.
#include "application/SegmentRouter.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "application/Application.h"
#include "application/PathEndpoint.h"
#include "application/Rounding.h"

namespace Vantor {

namespace {

using Point = SegmentRouter::Point;

double cross(const Point& a, const Point& b) {
    return a.x * b.y - a.y * b.x;
}

// The inclusive x and y bands of the box spanned by two points.
struct Bands {
    double minX, maxX, minY, maxY;

    Bands(const Point& a, const Point& b)
        : minX(std::min(a.x, b.x)),
          maxX(std::max(a.x, b.x)),
          minY(std::min(a.y, b.y)),
          maxY(std::max(a.y, b.y)) {}

    bool inX(const Point& p) const { return p.x >= minX && p.x <= maxX; }
    bool inY(const Point& p) const { return p.y >= minY && p.y <= maxY; }
    bool inEither(const Point& p) const { return inX(p) || inY(p); }

    // c with each coordinate inside its band pushed to the band's edge on n's side.
    Point cornerTowards(const Point& c, const Point& n) const {
        Point k = c;
        if (inX(c))
            k.x = n.x > maxX ? maxX : minX;
        if (inY(c))
            k.y = n.y > maxY ? maxY : minY;
        return k;
    }
};

// True when `p` lies strictly inside the straight run from `a` to `b`.
bool liesOnStraightRun(const Point& a, const Point& p, const Point& b) {
    const Point in = p - a;
    const Point out = b - p;
    const double cross = in.x * out.y - in.y * out.x;
    const double dot = in.x * out.x + in.y * out.y;
    return cross == 0.0 && dot > 0.0;
}

double distance(const Point& a, const Point& b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

}  // namespace

// Rule order matters: a single bend (rules 1 and 2) wins over a jog, and rule 1 over rule 2,
// so a nearly aligned pair of ends never gets a tiny step in the middle, and an explicit
// orientation at one end decides the bend before the offsets are looked at.
PARR::Path SegmentRouter::connectOrthogonally(const Point& a, const Point& b, bool hA, bool hB) {
    // At most four points: one allocation.
    std::vector<Point> path;
    path.reserve(4);
    path.push_back(a);
    if ((hA && !hB) || std::abs(a.y - b.y) < kJogThreshold) {
        path.emplace_back(b.x, a.y);
        if (a.y != b.y)
            path.push_back(b);
        return PARR::Path(std::move(path));
    }
    if ((hB && !hA) || std::abs(a.x - b.x) < kJogThreshold) {
        path.emplace_back(a.x, b.y);
        if (a.x != b.x)
            path.push_back(b);
        return PARR::Path(std::move(path));
    }
    if (hA) {
        if (a.y != b.y) {
            const double m = (a.x + b.x) / 2;
            path.emplace_back(m, a.y);
            path.emplace_back(m, b.y);
        }
    } else if (a.x != b.x) {
        const double m = (a.y + b.y) / 2;
        path.emplace_back(a.x, m);
        path.emplace_back(b.x, m);
    }
    path.push_back(b);
    return PARR::Path(std::move(path));
}

// The tests at each point run in a fixed order: a point clear of both bands ends the trim
// before anything else is considered, a point whose successor is still in a band is dropped
// before a corner is tried, and the moved end itself never becomes a corner. The corner is
// the one place the trim adds a point, and it stops the trim, so at most one point is new.
SegmentRouter::TrimmedRoute SegmentRouter::trimReusedPath(const PARR::Path& previous,
                                                          Walk direction, const Point& movedTo) {
    TrimmedRoute result;
    const std::size_t count = previous.size();
    if (count < 3)
        return result;
    const bool forwards = direction == Walk::Forwards;
    auto at = [&](std::size_t step) -> const Point& {
        return previous[forwards ? step : count - 1 - step];
    };
    const Bands box(at(0), movedTo);
    std::vector<Point> kept;
    kept.reserve(count);
    bool trimming = true;
    for (std::size_t step = 0; step + 1 < count; ++step) {
        const Point& c = at(step);
        const Point& n = at(step + 1);
        if (!trimming) {
            kept.push_back(c);
        } else if (step != 0 && !box.inX(c) && !box.inY(c)) {
            kept.push_back(c);
            trimming = false;
        } else if (box.inEither(n) || step == 0) {
            // Dropped: still inside the box's reach, or the moved end itself.
        } else {
            const Point k = box.cornerTowards(c, n);
            if (distance(k, n) >= kMinimumCornerDistance)
                kept.push_back(k);
            trimming = false;
        }
    }
    kept.push_back(at(count - 1));
    if (kept.size() < 2)
        return result;
    result.joinPoint = kept[0];
    result.joinHorizontal = std::abs(kept[1].x - kept[0].x) > std::abs(kept[1].y - kept[0].y);
    if (!forwards)
        std::reverse(kept.begin(), kept.end());
    result.kept = PARR::Path(std::move(kept));
    return result;
}

// The edges are tested in a fixed order (top, right, bottom, left) and the first hit
// answers; the answer is the same in any order, the order only fixes the work done.
bool SegmentRouter::legCrossesRect(const Point& p, const Point& q, const Rect& r) {
    const Point corners[4] = {
        {r.x, r.y}, {r.x + r.width, r.y}, {r.x + r.width, r.y + r.height}, {r.x, r.y + r.height}};
    const Point edges[4][2] = {{corners[0], corners[1]},
                               {corners[1], corners[2]},
                               {corners[2], corners[3]},
                               {corners[0], corners[3]}};
    const Point leg = q - p;
    for (const auto& edge : edges) {
        const Point side = edge[1] - edge[0];
        const double det = cross(leg, side);
        if (det == 0)
            continue;
        const Point offset = edge[0] - p;
        const double t = cross(offset, side) / det;
        const double u = cross(offset, leg) / det;
        if (t >= 0 && t <= 1 && u >= 0 && u <= 1)
            return true;
    }
    return false;
}

// Only the leg at this end is tested, and before anything moves: the detour replaces the
// start of the connector, so the caller must connect again from the moved join point p, and
// the flipped flag h makes that new connector leave the detour's corner at a right angle.
PARR::Path SegmentRouter::routeAroundEndpoint(const PARR::Path& middle,
                                              const PathEndpoint& endpoint, End end, Point& p,
                                              const Point& o, bool& h) {
    if (!endpoint.rerouteAround())
        return {};
    const Rect r = endpoint.getRectToAvoid();
    const std::size_t n = middle.size();
    if (n < 2)
        return {};
    const bool atSource = end == End::Source;
    const Point& legStart = atSource ? middle[0] : middle[n - 1];
    const Point& legEnd = atSource ? middle[1] : middle[n - 2];
    if (!legCrossesRect(legStart, legEnd, r))
        return {};

    const Point e = endpoint.getAbsolutePosition();
    const Point t = endpoint.getElementStemPoint();
    Point s = e;
    if (t.x != e.x)
        s.x += t.x > e.x ? kDetourOffset : -kDetourOffset;
    if (t.y != e.y)
        s.y += t.y > e.y ? kDetourOffset : -kDetourOffset;

    Point k = s;
    if (h)
        k.y = r.y + r.height + kDetourDepth;
    else
        k.x = o.x > s.x ? r.x + r.width + kDetourOffset : r.x - kDetourOffset;

    PARR::Path detour{k, s, p};
    if (atSource)
        detour.reverse();
    p = k;
    h = !h;
    return detour;
}

// When both ends still match, the destination's side is kept, as when only the source moved:
// the source's side is kept only when the destination moved.
SegmentRouter::ReusedRoute SegmentRouter::reusePreviousRoute(const PARR::Path& previous,
                                                             const PathEndpoint& src,
                                                             const PathEndpoint& dst, Point& a,
                                                             Point& b, bool& hA, bool& hB) {
    ReusedRoute reused;
    if (previous.size() < 2)
        return reused;
    const bool firstMatches = previous.front() == a;
    const bool lastMatches = previous.back() == b;
    if (!firstMatches && !lastMatches)
        return reused;
    reused.destinationSide = lastMatches;
    TrimmedRoute trimmed =
        lastMatches ? trimReusedPath(previous, Walk::Forwards, src.getAbsolutePosition())
                    : trimReusedPath(previous, Walk::Backwards, dst.getAbsolutePosition());
    if (trimmed.kept.empty())
        return reused;
    (lastMatches ? b : a) = trimmed.joinPoint;
    (lastMatches ? hB : hA) = trimmed.joinHorizontal;
    reused.kept = std::move(trimmed.kept);
    return reused;
}

PARR::Path SegmentRouter::roundAndSimplify(const PARR::Path& route) {
    return joinRoundAndSimplify({&route});
}

PARR::Path SegmentRouter::joinRoundAndSimplify(std::initializer_list<const PARR::Path*> pieces) {
    std::size_t count = 0;
    for (const PARR::Path* piece : pieces)
        count += piece->size();
    // Simplified while it is built, exactly as PARR::Path::simplify does it afterwards: a
    // repeated point is skipped, and the last kept point is dropped while it lies strictly
    // inside the straight run from its predecessor to the arriving point.
    std::vector<Point> kept;
    kept.reserve(count);
    for (const PARR::Path* piece : pieces) {
        for (const Point& q : *piece) {
            const Point p = roundHalfAwayFromZero(q);
            if (!kept.empty() && kept.back() == p)
                continue;
            while (kept.size() >= 2 && liesOnStraightRun(kept[kept.size() - 2], kept.back(), p))
                kept.pop_back();
            kept.push_back(p);
        }
    }
    return PARR::Path(std::move(kept));
}

// The driver. Reuse comes first because it moves the join points the connector aims at;
// the detours come after the connector because they test its end legs, and the source is
// tried before the destination so that the destination's test sees the connector the source
// detour left. Rounding comes last so that the pieces meet exactly while they are joined.
PARR::Path Application::getSegmentRoute(const PathEndpoint& src, const PathEndpoint& dst,
                                        const PARR::Path& previous, bool srcHorizontal,
                                        bool dstHorizontal) {
    using Router = SegmentRouter;
    if (!src.isValid() || !dst.isValid())
        return {};
    Point a = src.getElementPathPoint();
    Point b = dst.getElementPathPoint();
    const Router::ReusedRoute reused =
        Router::reusePreviousRoute(previous, src, dst, a, b, srcHorizontal, dstHorizontal);
    const PARR::Path& kept = reused.kept;
    const bool keepDestinationSide = reused.destinationSide;
    // An end is tested for a detour unless the kept part of the previous route lies there.
    // Without a detour the join points and flags are unchanged, and so is the connector: it is
    // recomputed only after a detour.
    PARR::Path middle = Router::connectOrthogonally(a, b, srcHorizontal, dstHorizontal);
    PARR::Path srcDetour;
    if (keepDestinationSide || kept.empty()) {
        srcDetour =
            Router::routeAroundEndpoint(middle, src, Router::End::Source, a, b, srcHorizontal);
        if (!srcDetour.empty())
            middle = Router::connectOrthogonally(a, b, srcHorizontal, dstHorizontal);
    }
    PARR::Path dstDetour;
    if (!keepDestinationSide || kept.empty()) {
        dstDetour =
            Router::routeAroundEndpoint(middle, dst, Router::End::Destination, b, a, dstHorizontal);
        if (!dstDetour.empty())
            middle = Router::connectOrthogonally(a, b, srcHorizontal, dstHorizontal);
    }

    if (keepDestinationSide)
        return Router::joinRoundAndSimplify({&srcDetour, &middle, &kept, &dstDetour});
    return Router::joinRoundAndSimplify({&srcDetour, &kept, &middle, &dstDetour});
}

PARR::Path Application::getCompleteSegmentPath(const VTQUILL::Segment& segment) {
    const PARR::Path& vertices = segment.getPath();
    const DOVE2::GraphElement source(segment.getSrcElement());
    const DOVE2::GraphElement destination(segment.getDstElement());
    PARR::Path path;
    if (source.isValid()) {
        const Point s = elementPathPoint(source);
        if (vertices.empty() || vertices.front() != s)
            path.addPoint(s);
    }
    path += vertices;
    if (destination.isValid()) {
        const Point d = elementPathPoint(destination);
        if (vertices.empty() || vertices.back() != d)
            path.addPoint(d);
    }
    return path;
}

}  // namespace Vantor
