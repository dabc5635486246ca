// Cost of one segment route, as a drag recomputes it at every step: free ends without a
// previous route, a moved source reusing the previous route, and a port end whose block
// needs a detour. Goal: well under a microsecond per route.
#include <benchmark/benchmark.h>

#include "BenchGoal.h"
#include "application/Application.h"
#include "application/DPointPathEndpoint.h"
#include "application/GraphElementPathEndpoint.h"
#include "quill/Transaction.h"
#include "vtquill/VTQuill.h"

using Vantor::Application;
using Vantor::DPointPathEndpoint;
using Vantor::GraphElementPathEndpoint;

namespace {

void BM_RouteWithoutPreviousRoute(benchmark::State& state) {
    const DPointPathEndpoint src({0, 0});
    const DPointPathEndpoint dst({100, 40});
    const PARR::Path none;
    for (auto _ : state)
        benchmark::DoNotOptimize(Application::getSegmentRoute(src, dst, none, true, true));
}
BENCHMARK(BM_RouteWithoutPreviousRoute);

void BM_RouteReusingPreviousRoute(benchmark::State& state) {
    const DPointPathEndpoint src({0, 20});
    const DPointPathEndpoint dst({400, 40});
    const PARR::Path previous{{0, 0},    {50, 0},   {50, 200}, {150, 200},
                              {150, 80}, {300, 80}, {300, 40}, {400, 40}};
    for (auto _ : state)
        benchmark::DoNotOptimize(Application::getSegmentRoute(src, dst, previous, true, true));
}
BENCHMARK(BM_RouteReusingPreviousRoute);

// A block with an output port facing right, and a free end to its lower left: the first
// connector leg runs back through the block, so the route detours around it.
class DetourScene {
public:
    DetourScene() : model_(VTQUILL::Factory::createNewModel("bench")), tx_(model_) {
        VTQUILL::Block block = model_.getDiagrams().front().addBlock("Gain", "G");
        block.setPosition({0, 0});
        block.setSize({30, 30});
        port_ = block.addPort(VTQUILL::kOutPort, {30, 15}, 0);
    }
    ~DetourScene() {
        tx_.rollback();
        model_.close();
    }
    const DOVE2::GraphElement& port() const { return port_; }

private:
    VTQUILL::Model model_;
    QUILL::Transaction tx_;
    DOVE2::GraphElement port_;
};

void BM_RouteWithDetour(benchmark::State& state) {
    DetourScene scene;
    const GraphElementPathEndpoint src(scene.port());
    const DPointPathEndpoint dst({-100, 100});
    const PARR::Path none;
    const auto check = Application::getSegmentRoute(src, dst, none, true, true);
    if (check.size() != 4)
        state.SkipWithError("the scene no longer makes a detour");
    for (auto _ : state)
        benchmark::DoNotOptimize(Application::getSegmentRoute(src, dst, none, true, true));
}
BENCHMARK(BM_RouteWithDetour);

// The goal for the summary of `./dev bench`: the detour, the dearest route, well under a
// microsecond.
[[maybe_unused]] const bool kGoals =
    BenchGoal::timeBelow("route with a detour", "BM_RouteWithDetour", 300, "ns");

}  // namespace

BENCHMARK_MAIN();
