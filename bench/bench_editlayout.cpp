// Smart-guide costs: one snap of a small moving set against many resting items (the cost of
// every drag step), and building the resting index (once per move gesture). Comparing the
// 10,000-item run with the 100-item run shows how a solve grows with the diagram: it should
// grow with log n, not n.
#include <benchmark/benchmark.h>

#include <deque>
#include <vector>

#include "editlayout/Item.h"
#include "editlayout/SmartGuideSolver.h"
#include "editlayout/SmartGuides.h"

namespace {

using EditLayout::AffinityMap;
using EditLayout::Feature;
using EditLayout::Item;
using EditLayout::LayoutRect;
using EditLayout::SmartGuideSolver;

// Blocks of assorted sizes on a loose grid, 100 to a row, as in a large flat diagram.
struct Scene {
    std::deque<Item> resting;
    std::deque<Item> moving;
    AffinityMap affinities;

    explicit Scene(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            const double x = double(i % 100) * 70 + double(i * 7 % 11);
            const double y = double(i / 100) * 60 + double(i * 5 % 13);
            resting.emplace_back(LayoutRect(x, y, 30 + double(i % 4) * 5, 20 + double(i % 3) * 5));
        }
        for (int i = 0; i < 4; ++i)
            moving.emplace_back(LayoutRect(1000 + i * 45, 1500, 30, 30));
        EditLayout::SmartGuides::AddRectangleAffinities(affinities);
    }

    static std::vector<Feature> features(const std::deque<Item>& items, double dx, double dy) {
        std::vector<const Item*> pointers;
        for (const Item& item : items)
            pointers.push_back(&item);
        return SmartGuideSolver::featuresOf(pointers, dx, dy);
    }
};

void BM_SmartGuideSolve(benchmark::State& state) {
    const Scene scene(static_cast<std::size_t>(state.range(0)));
    const SmartGuideSolver solver(Scene::features(scene.resting, 0, 0), scene.affinities);
    double step = 0;
    for (auto _ : state) {
        // A drag step: new displacement, the moving features taken there, one solve.
        step += 0.37;
        const PARR::GLPoint<double> proposed(step, step * 0.5);
        const auto moving = Scene::features(scene.moving, proposed.x, proposed.y);
        benchmark::DoNotOptimize(solver.solve(moving, proposed));
        if (step > 500)
            step = 0;
    }
}
BENCHMARK(BM_SmartGuideSolve)->Arg(100)->Arg(10000);

void BM_SmartGuideIndexBuild(benchmark::State& state) {
    const Scene scene(static_cast<std::size_t>(state.range(0)));
    const std::vector<Feature> resting = Scene::features(scene.resting, 0, 0);
    for (auto _ : state) {
        const SmartGuideSolver solver(resting, scene.affinities);
        benchmark::DoNotOptimize(&solver);
    }
}
BENCHMARK(BM_SmartGuideIndexBuild)->Arg(100)->Arg(10000);

}  // namespace

BENCHMARK_MAIN();
