// Properties of Path::simplify on random small integer paths, where collinear points, runs,
// U-turns and repeated points are common.

#include <numeric>
#include <vector>

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include "parr/Path.h"

namespace PARR {
namespace {

using Point = Path::Point;

// The lattice points a polyline with integer vertices passes, in order: each leg is walked in
// steps of its primitive direction (the leg divided by the gcd of its coordinates), and a
// point equal to the one before is not repeated. Two polylines walk the same sequence exactly
// when they trace the same curve in the same order, whatever straight-run points they carry.
std::vector<Point> latticeWalk(const Path& path) {
    std::vector<Point> walk;
    auto visit = [&walk](const Point& p) {
        if (walk.empty() || walk.back() != p)
            walk.push_back(p);
    };
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (i == 0) {
            visit(path[0]);
            continue;
        }
        const Point from = path[i - 1];
        const int dx = static_cast<int>(path[i].x - from.x);
        const int dy = static_cast<int>(path[i].y - from.y);
        const int steps = std::gcd(dx, dy);
        for (int s = 1; s <= steps; ++s) {
            visit({from.x + dx / steps * s, from.y + dy / steps * s});
        }
    }
    return walk;
}

// True when `part` can be had from `whole` by dropping points.
bool isSubsequence(const Path& part, const Path& whole) {
    std::size_t at = 0;
    for (const Point& p : whole) {
        if (at < part.size() && part[at] == p)
            ++at;
    }
    return at == part.size();
}

bool strictlyInsideRun(const Point& a, const Point& p, const Point& b) {
    const Point in = p - a;
    const Point out = b - p;
    return in.x * out.y - in.y * out.x == 0 && in.x * out.x + in.y * out.y > 0;
}

rc::Gen<Path> smallIntegerPaths() {
    const auto coordinate = rc::gen::inRange(-3, 4);
    const auto point = rc::gen::construct<Point>(rc::gen::cast<double>(coordinate),
                                                 rc::gen::cast<double>(coordinate));
    return rc::gen::map(rc::gen::container<std::vector<Point>>(point),
                        [](std::vector<Point> points) { return Path(std::move(points)); });
}

// Axis-parallel routes: legs of length 0 to 3 in one of the four directions.
rc::Gen<Path> axisParallelRoutes() {
    const auto leg = rc::gen::pair(rc::gen::inRange(0, 4), rc::gen::inRange(0, 4));
    return rc::gen::map(rc::gen::container<std::vector<std::pair<int, int>>>(leg),
                        [](const std::vector<std::pair<int, int>>& legs) {
                            static const Point kDirection[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
                            Path route{{0, 0}};
                            for (const auto& [direction, length] : legs) {
                                route.addPoint(route.back() + kDirection[direction] * length);
                            }
                            return route;
                        });
}

void checkSimplify(const Path& input) {
    Path output = input;
    output.simplify();

    if (input.empty()) {
        RC_ASSERT(output.empty());
        return;
    }
    RC_ASSERT(!output.empty());
    RC_ASSERT(output.front() == input.front());
    RC_ASSERT(output.back() == input.back());
    RC_ASSERT(isSubsequence(output, input));
    for (std::size_t i = 1; i < output.size(); ++i)
        RC_ASSERT(output[i - 1] != output[i]);
    for (std::size_t i = 1; i + 1 < output.size(); ++i) {
        RC_ASSERT(!strictlyInsideRun(output[i - 1], output[i], output[i + 1]));
    }
    // Only points on straight runs went: the curve and its direction of travel are the same.
    RC_ASSERT(latticeWalk(output) == latticeWalk(input));

    Path again = output;
    again.simplify();
    RC_ASSERT(again == output);
}

RC_GTEST_PROP(PathSimplifyProperty, KeepsTheCurveAndRemovesEveryStraightRunPointOfAnyPath, ()) {
    checkSimplify(*smallIntegerPaths());
}

RC_GTEST_PROP(PathSimplifyProperty, KeepsTheCurveAndRemovesEveryStraightRunPointOfARoute, ()) {
    checkSimplify(*axisParallelRoutes());
}

}  // namespace
}  // namespace PARR
