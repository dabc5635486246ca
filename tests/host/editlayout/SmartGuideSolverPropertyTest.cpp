// The solver against a direct search over every (moving, resting, affinity) triple, on small
// random scenes on a coarse grid, where equal scores, equal distances and shared coordinates
// are common.

#include <cmath>
#include <deque>
#include <optional>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include "editlayout/Item.h"
#include "editlayout/SmartGuideSolver.h"
#include "editlayout/SmartGuides.h"

namespace {

using EditLayout::AffinityMap;
using EditLayout::Axis;
using EditLayout::Feature;
using EditLayout::Item;
using EditLayout::LayoutRect;
using EditLayout::SmartGuideSolver;
using EditLayout::SnapOptions;

struct Reference {
    double offset = 0;
    std::size_t resting = 0;
    unsigned int flag = 0;
};

// The best alignment on `axis` by the documented ranking, found by trying everything.
std::optional<Reference> directSearch(const std::vector<Feature>& moving,
                                      const std::vector<Feature>& resting, const AffinityMap& map,
                                      Axis axis, double tolerance) {
    struct Best {
        double score, distance;
        std::size_t resting, moving;
        Reference ref;
    };
    std::optional<Best> best;
    for (std::size_t i = 0; i < moving.size(); ++i) {
        for (std::size_t j = 0; j < resting.size(); ++j) {
            const AffinityMap::Affinity* a = map.find(moving[i].kind(), resting[j].kind());
            if (!a || a->score <= 0 || !contains(moving[i].axes(), axis) ||
                !contains(resting[j].axes(), axis))
                continue;
            const double offset = resting[j].coordinate(axis) - moving[i].coordinate(axis);
            if (std::abs(offset) > tolerance)
                continue;
            const Best c{a->score, std::abs(offset), j, i, {offset, j, a->flag}};
            // Higher score first, then smaller distance, resting position, moving position.
            const bool better =
                !best ||
                std::make_tuple(-c.score, c.distance, c.resting, c.moving) <
                    std::make_tuple(-best->score, best->distance, best->resting, best->moving);
            if (better)
                best = c;
        }
    }
    if (!best)
        return std::nullopt;
    return best->ref;
}

LayoutRect randomRect() {
    const int x = *rc::gen::inRange(0, 20);
    const int y = *rc::gen::inRange(0, 20);
    const int w = *rc::gen::inRange(1, 6);
    const int h = *rc::gen::inRange(1, 6);
    return {x * 5.0, y * 5.0, w * 5.0, h * 5.0};
}

std::vector<Feature> featuresOf(const std::deque<Item>& items, double dx, double dy) {
    std::vector<const Item*> pointers;
    for (const Item& item : items)
        pointers.push_back(&item);
    return SmartGuideSolver::featuresOf(pointers, dx, dy);
}

AffinityMap randomAffinities() {
    AffinityMap map;
    EditLayout::SmartGuides::AddRectangleAffinities(map);
    const int extra = *rc::gen::inRange(0, 6);
    for (int i = 0; i < extra; ++i) {
        map.add(*rc::gen::inRange(0, 5), *rc::gen::inRange(0, 5), *rc::gen::inRange(0, 4),
                *rc::gen::inRange(0u, 16u));
    }
    return map;
}

}  // namespace

RC_GTEST_PROP(SmartGuideSolverProperty, AgreesWithADirectSearchOnEachAxis, ()) {
    std::deque<Item> resting, moving;
    const int restingCount = *rc::gen::inRange(0, 25);
    for (int i = 0; i < restingCount; ++i)
        resting.emplace_back(randomRect());
    const int movingCount = *rc::gen::inRange(1, 4);
    for (int i = 0; i < movingCount; ++i)
        moving.emplace_back(randomRect());
    const AffinityMap map = randomAffinities();
    const PARR::GLPoint<double> proposed(*rc::gen::inRange(-40, 40) * 0.5,
                                         *rc::gen::inRange(-40, 40) * 0.5);
    const SnapOptions options{static_cast<double>(*rc::gen::inRange(0, 9)), 1.0};

    const std::vector<Feature> restingFeatures = featuresOf(resting, 0, 0);
    const std::vector<Feature> movingFeatures = featuresOf(moving, proposed.x, proposed.y);
    const SmartGuideSolver solver(restingFeatures, map);
    const auto result = solver.solve(movingFeatures, proposed, options);

    const auto x = directSearch(movingFeatures, restingFeatures, map, Axis::X, options.tolerance);
    const auto y = directSearch(movingFeatures, restingFeatures, map, Axis::Y, options.tolerance);
    RC_ASSERT(result.delta.x == proposed.x + (x ? x->offset : 0.0));
    RC_ASSERT(result.delta.y == proposed.y + (y ? y->offset : 0.0));
    RC_ASSERT(result.guides.size() == std::size_t(x.has_value()) + std::size_t(y.has_value()));
    std::size_t guide = 0;
    for (const auto& expected : {x, y}) {
        if (!expected)
            continue;
        RC_ASSERT(result.guides[guide].resting == restingFeatures[expected->resting]);
        RC_ASSERT(result.guides[guide].flag == expected->flag);
        ++guide;
    }
}
