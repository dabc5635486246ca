// Canvas benchmarks: the scroll bars following the scene while a gesture changes it. A drag
// step inside the drawing must cost the same whatever the scene's size (the bounds are
// measured again only when a change reaches their edge); a step at the edge measures the
// scene and is shown for reference.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

#include "BenchGoal.h"
#include "rook2/Canvas.h"
#include "rook2/RectNode.h"
#include "rook2/Scene.h"

namespace {

using PARR::GLPoint;
using PARR::GLRect;
using PARR::Holder;

constexpr int kColumns = 100;
constexpr double kPitch = 40.0;

void ensureApplication() {
    static int argc = 1;
    static char name[] = "bench_canvas";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static auto* app = new QApplication(argc, argv);
    (void)app;
}

// `total` (a multiple of kColumns, at least three rows) 20 x 30 boxes on a grid of kColumns
// columns, shown in a 800 x 600 canvas.
struct ShownScene {
    explicit ShownScene(int total) {
        for (int i = 0; i < total; ++i) {
            auto box = scene.createNode<ROOK2::RectNode>(GLRect<double>(0, 0, 20, 30));
            box->setPosition({(i % kColumns) * kPitch, (i / kColumns) * kPitch});
            boxes.push_back(box);
        }
        scene.flush();
        canvas.setScene(&scene);
        canvas.resize(800, 600);
        QCoreApplication::sendPostedEvents();
    }
    // Moves box `i` by one unit to the right and back in two steps, each taken by the canvas
    // as after a turn of the event loop.
    void wiggle(std::size_t i) {
        const GLPoint<double> at = boxes[i]->getPosition();
        boxes[i]->setPosition(at + GLPoint<double>{1, 0});
        QCoreApplication::sendPostedEvents();
        boxes[i]->setPosition(at);
        QCoreApplication::sendPostedEvents();
    }

    ROOK2::Scene scene;
    std::vector<Holder<ROOK2::RectNode>> boxes;
    ROOK2::Canvas canvas;
};

// A box in the middle of the drawing: the cached bounds hold.
void scrollBarsFollowAStepInside(benchmark::State& state) {
    ensureApplication();
    ShownScene shown(static_cast<int>(state.range(0)));
    const std::size_t rows = shown.boxes.size() / kColumns;
    const std::size_t middle = rows / 2 * kColumns + kColumns / 2;
    for (auto _ : state)
        shown.wiggle(middle);
}
BENCHMARK(scrollBarsFollowAStepInside)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The last box, at the drawing's bottom-right corner: every step measures the scene.
void scrollBarsFollowAStepAtTheEdge(benchmark::State& state) {
    ensureApplication();
    ShownScene shown(static_cast<int>(state.range(0)));
    for (auto _ : state)
        shown.wiggle(shown.boxes.size() - 1);
}
BENCHMARK(scrollBarsFollowAStepAtTheEdge)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

[[maybe_unused]] const bool kGoals = BenchGoal::ratioAtMost(
    "scroll bars following a step inside the drawing: 10,000 nodes over 1,000",
    "scrollBarsFollowAStepInside/10000", "scrollBarsFollowAStepInside/1000", 2.0);

}  // namespace

BENCHMARK_MAIN();
