// Properties of Application::getSegmentRoute over random ends, flags and previous routes.
#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "application/Application.h"
#include "application/DPointPathEndpoint.h"
#include "application/GraphElementPathEndpoint.h"
#include "editor/application/LineTestBuilder.h"

using Vantor::Application;
using Vantor::DPointPathEndpoint;
using Vantor::GraphElementPathEndpoint;
using Vantor::PathEndpoint;
using VantorTest::LineTestBuilder;

namespace {

using Point = Application::Point;

rc::Gen<double> coordinate() {
    return rc::gen::map(rc::gen::inRange(-4000, 4001), [](int v) { return v / 8.0; });
}

rc::Gen<Point> anyPoint() {
    return rc::gen::construct<Point>(coordinate(), coordinate());
}

rc::Gen<Point> gridPoint() {
    return rc::gen::construct<Point>(rc::gen::inRange(-300, 301), rc::gen::inRange(-300, 301));
}

bool allIntegral(const PARR::Path& path) {
    for (const Point& p : path) {
        if (p.x != std::floor(p.x) || p.y != std::floor(p.y))
            return false;
    }
    return true;
}

bool axisParallel(const PARR::Path& path) {
    for (std::size_t i = 1; i < path.size(); ++i) {
        if (path[i].x != path[i - 1].x && path[i].y != path[i - 1].y)
            return false;
    }
    return true;
}

// A polyline of axis-parallel legs from `from` that turns at each step.
PARR::Path axisParallelRoute(Point from, const std::vector<int>& steps, bool horizontalFirst) {
    PARR::Path route{from};
    bool horizontal = horizontalFirst;
    for (int step : steps) {
        from = horizontal ? Point(from.x + step, from.y) : Point(from.x, from.y + step);
        route.addPoint(from);
        horizontal = !horizontal;
    }
    return route;
}

// One end of a route: a free point, or a port of a random kind and right-angled orientation
// on a block of its own.
struct RandomEnd {
    DOVE2::GraphElement port;
    Point point;

    static RandomEnd make(LineTestBuilder& b) {
        RandomEnd end;
        end.point = *gridPoint();
        if (*rc::gen::arbitrary<bool>()) {
            const std::string kind = *rc::gen::element<std::string>(
                VTQUILL::kInPort, VTQUILL::kOutPort, VTQUILL::kConnectionPort, "Other");
            const double orientation = *rc::gen::element(0.0, 90.0, 180.0, 270.0);
            const Point size(*rc::gen::inRange(0, 80), *rc::gen::inRange(0, 80));
            const Point at(*rc::gen::inRange(0, 80), *rc::gen::inRange(0, 80));
            end.port = b.blockWithPort(kind, end.point, at, orientation, size);
        }
        return end;
    }
};

PARR::Path route(const RandomEnd& src, const RandomEnd& dst, const PARR::Path& previous, bool hSrc,
                 bool hDst) {
    auto endpointOf = [](const RandomEnd& e) -> std::unique_ptr<PathEndpoint> {
        if (e.port.isValid())
            return std::make_unique<GraphElementPathEndpoint>(e.port);
        return std::make_unique<DPointPathEndpoint>(e.point);
    };
    return Application::getSegmentRoute(*endpointOf(src), *endpointOf(dst), previous, hSrc, hDst);
}

RC_GTEST_PROP(SegmentRouteProperties, EveryRouteHasIntegerCoordinates, ()) {
    const auto a = *anyPoint();
    const auto b = *anyPoint();
    const auto previous = *rc::gen::container<std::vector<Point>>(anyPoint());
    const bool hA = *rc::gen::arbitrary<bool>();
    const bool hB = *rc::gen::arbitrary<bool>();
    PARR::Path prev(previous);
    // Half of the time the previous route shares an end, so that it is reused.
    if (!prev.empty() && *rc::gen::arbitrary<bool>())
        prev[0] = a;
    if (!prev.empty() && *rc::gen::arbitrary<bool>())
        prev[prev.size() - 1] = b;
    const auto result =
        Application::getSegmentRoute(DPointPathEndpoint(a), DPointPathEndpoint(b), prev, hA, hB);
    RC_ASSERT(allIntegral(result));
    RC_ASSERT(!result.empty());
}

RC_GTEST_PROP(SegmentRouteProperties, RoutesFromAxisParallelPreviousRoutesAreAxisParallel, ()) {
    LineTestBuilder b;
    const RandomEnd src = RandomEnd::make(b);
    const RandomEnd dst = RandomEnd::make(b);
    const bool hSrc = *rc::gen::arbitrary<bool>();
    const bool hDst = *rc::gen::arbitrary<bool>();

    // No previous route, a random one, or the route between the ends before one of them moved.
    PARR::Path previous;
    switch (*rc::gen::inRange(0, 3)) {
        case 0:
            break;
        case 1: {
            const auto steps = *rc::gen::container<std::vector<int>>(rc::gen::inRange(-200, 201));
            previous = axisParallelRoute(*gridPoint(), steps, *rc::gen::arbitrary<bool>());
            break;
        }
        default: {
            RandomEnd before = *rc::gen::arbitrary<bool>() ? src : dst;
            const bool movedSource = before.port == src.port && before.point == src.point;
            before.point = *gridPoint();
            if (before.port.isValid())
                before.port = b.blockWithPort(VTQUILL::kOutPort, before.point, {0, 0}, 0);
            previous = movedSource ? route(before, dst, {}, hSrc, hDst)
                                   : route(src, before, {}, hSrc, hDst);
            RC_ASSERT(axisParallel(previous));
            break;
        }
    }
    const PARR::Path result = route(src, dst, previous, hSrc, hDst);
    RC_ASSERT(!result.empty());
    RC_ASSERT(axisParallel(result));
}

}  // namespace
