// The real studio window (its docks as a user has them: model explorer, property browser,
// library) on generated models of 1,000 and 10,000 blocks, each step from its input to the
// painted canvas (tests/app/studio/StudioScenario.h): open the file to the first painted
// canvas, Select All, Delete of everything, its undo, one step of a one-block drag, the move
// of the whole selection (release to painted canvas), Save, quit. Goals at 10,000 blocks:
// first paint < 1.5 s, Select All < 100 ms, Delete < 0.5 s, undo < 0.5 s, drag step < 16 ms,
// move of everything < 0.5 s, quit < 0.5 s; per element, 10,000 over 1,000 at most 1.5.
#include <benchmark/benchmark.h>
#include <gtest/gtest.h>

#include <string>

#include "BenchGoal.h"
#include "app/studio/StudioScenario.h"

namespace {

// Each step once per iteration, in the user's order, on a fresh window; the counters are the
// steps' times in milliseconds, averaged over the iterations.
void BM_StudioWindowScenario(benchmark::State& state) {
    const std::size_t blocks = static_cast<std::size_t>(state.range(0));
    double launch = 0, selectAll = 0, remove = 0, undo = 0, drag = 0, move = 0, moveUndo = 0,
           save = 0, quit = 0;
    for (auto _ : state) {
        state.PauseTiming();
        StudioTest::StudioScenario scenario(blocks);
        state.ResumeTiming();
        launch += scenario.launch();
        selectAll += scenario.selectAll();
        remove += scenario.deleteAll();
        undo += scenario.undo();
        drag += scenario.dragStep();
        move += scenario.moveSelection();
        moveUndo += scenario.undo();
        save += scenario.save();
        quit += scenario.quit();
    }
    const double n = static_cast<double>(state.iterations());
    const auto ms = [&](double seconds) { return seconds * 1e3 / n; };
    state.counters["launch ms"] = ms(launch);
    state.counters["select all ms"] = ms(selectAll);
    state.counters["delete ms"] = ms(remove);
    state.counters["undo delete ms"] = ms(undo);
    state.counters["drag step ms"] = ms(drag);
    state.counters["move all ms"] = ms(move);
    state.counters["undo move ms"] = ms(moveUndo);
    state.counters["save ms"] = ms(save);
    state.counters["quit ms"] = ms(quit);
}
BENCHMARK(BM_StudioWindowScenario)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

// Select All and clearing the selection again, repeated on one window, for profiling.
void BM_StudioSelectAllAndClear(benchmark::State& state) {
    StudioTest::StudioScenario scenario(static_cast<std::size_t>(state.range(0)));
    scenario.launch();
    double selectAll = 0, clear = 0;
    for (auto _ : state) {
        selectAll += scenario.selectAll();
        clear += scenario.clearSelection();
    }
    state.counters["select all ms"] = selectAll * 1e3 / double(state.iterations());
    state.counters["clear ms"] = clear * 1e3 / double(state.iterations());
}
BENCHMARK(BM_StudioSelectAllAndClear)->Arg(10000)->Iterations(5)->Unit(benchmark::kMillisecond);

// One-block drag steps repeated on one window, for profiling.
void BM_StudioDragStep(benchmark::State& state) {
    StudioTest::StudioScenario scenario(static_cast<std::size_t>(state.range(0)));
    scenario.launch();
    double step = 0;
    for (auto _ : state)
        step += scenario.dragStep();
    state.counters["drag step ms"] = step * 1e3 / double(state.iterations());
}
BENCHMARK(BM_StudioDragStep)->Arg(10000)->Iterations(20)->Unit(benchmark::kMillisecond);

// Select All, Delete and its undo repeated on one window, for profiling.
void BM_StudioDeleteAndUndo(benchmark::State& state) {
    StudioTest::StudioScenario scenario(static_cast<std::size_t>(state.range(0)));
    scenario.launch();
    double remove = 0, undo = 0;
    for (auto _ : state) {
        scenario.selectAll();
        remove += scenario.deleteAll();
        undo += scenario.undo();
    }
    state.counters["delete ms"] = remove * 1e3 / double(state.iterations());
    state.counters["undo delete ms"] = undo * 1e3 / double(state.iterations());
}
BENCHMARK(BM_StudioDeleteAndUndo)->Arg(10000)->Iterations(3)->Unit(benchmark::kMillisecond);

// The move of everything and its undo repeated on one window, for profiling.
void BM_StudioMoveAllAndUndo(benchmark::State& state) {
    StudioTest::StudioScenario scenario(static_cast<std::size_t>(state.range(0)));
    scenario.launch();
    double move = 0, undo = 0;
    for (auto _ : state) {
        move += scenario.moveSelection();
        undo += scenario.undo();
    }
    state.counters["move all ms"] = move * 1e3 / double(state.iterations());
    state.counters["undo move ms"] = undo * 1e3 / double(state.iterations());
}
BENCHMARK(BM_StudioMoveAllAndUndo)->Arg(10000)->Iterations(3)->Unit(benchmark::kMillisecond);

// Opening and quitting, for profiling the quit.
void BM_StudioQuit(benchmark::State& state) {
    double quit = 0;
    for (auto _ : state) {
        state.PauseTiming();
        StudioTest::StudioScenario scenario(static_cast<std::size_t>(state.range(0)));
        scenario.launch();
        state.ResumeTiming();
        quit += scenario.quit();
    }
    state.counters["quit ms"] = quit * 1e3 / double(state.iterations());
}
BENCHMARK(BM_StudioQuit)->Arg(10000)->Iterations(3)->Unit(benchmark::kMillisecond);

constexpr const char* kLarge = "BM_StudioWindowScenario/10000/iterations:2";

[[maybe_unused]] const bool kGoals =
    BenchGoal::counterBelow("studio: open 10,000 blocks to the first painted canvas", kLarge,
                            "launch ms", 1500, "ms") &&
    BenchGoal::counterBelow("studio: Select All, 10,000 blocks", kLarge, "select all ms", 100,
                            "ms") &&
    BenchGoal::counterBelow("studio: Delete everything, 10,000 blocks", kLarge, "delete ms", 500,
                            "ms") &&
    BenchGoal::counterBelow("studio: undo of that Delete", kLarge, "undo delete ms", 500, "ms") &&
    BenchGoal::counterBelow("studio: one drag step, 10,000 blocks", kLarge, "drag step ms", 16,
                            "ms") &&
    BenchGoal::counterBelow("studio: move of everything, 10,000 blocks", kLarge, "move all ms", 500,
                            "ms") &&
    BenchGoal::counterBelow("studio: quit with 10,000 blocks", kLarge, "quit ms", 500, "ms");

}  // namespace

BENCHMARK_MAIN();
