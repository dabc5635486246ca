// The real studio window (its docks as a user has them: model explorer, property browser,
// library) on generated models of 1,000 and 10,000 blocks, each step from its input to the
// painted canvas (tests/app/studio/StudioScenario.h): open the file to the first painted
// canvas, Select All, Delete of everything, its undo, one step of a one-block drag, the move
// of the whole selection (release to painted canvas), Save, quit. Goals at 10,000 blocks:
// first paint < 1.5 s, Select All < 100 ms, Delete < 0.5 s, undo < 0.5 s, drag step < 16 ms,
// move of everything < 0.5 s, quit < 0.5 s; per element, 10,000 over 1,000 at most 1.5.
#include <benchmark/benchmark.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "BenchGoal.h"
#include "app/studio/StudioScenario.h"

namespace {

// Seconds each named step took, reported as counters in milliseconds averaged over the
// iterations.
class StepTimes {
public:
    void add(const std::string& counter, double seconds) { seconds_[counter] += seconds; }
    void report(benchmark::State& state) const {
        for (const auto& [counter, seconds] : seconds_)
            state.counters[counter] = seconds * 1e3 / double(state.iterations());
    }

private:
    std::map<std::string, double> seconds_;
};

std::size_t blocksOf(const benchmark::State& state) {
    return static_cast<std::size_t>(state.range(0));
}

// Each step once per iteration, in the user's order, on a fresh window.
void BM_StudioWindowScenario(benchmark::State& state) {
    StepTimes times;
    for (auto _ : state) {
        state.PauseTiming();
        StudioTest::StudioScenario scenario(blocksOf(state));
        state.ResumeTiming();
        times.add("launch ms", scenario.launch());
        times.add("select all ms", scenario.selectAll());
        times.add("delete ms", scenario.deleteAll());
        times.add("undo delete ms", scenario.undo());
        times.add("drag step ms", scenario.dragStep());
        times.add("move all ms", scenario.moveSelection());
        times.add("undo move ms", scenario.undo());
        times.add("save ms", scenario.save());
        times.add("quit ms", scenario.quit());
    }
    times.report(state);
}
BENCHMARK(BM_StudioWindowScenario)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

// `steps(scenario, times)` repeated on one window opened once, for profiling a step alone.
template <class Steps>
void repeatOnOneWindow(benchmark::State& state, Steps steps) {
    StudioTest::StudioScenario scenario(blocksOf(state));
    scenario.launch();
    StepTimes times;
    for (auto _ : state)
        steps(scenario, times);
    times.report(state);
}

void BM_StudioSelectAllAndClear(benchmark::State& state) {
    repeatOnOneWindow(state, [](StudioTest::StudioScenario& scenario, StepTimes& times) {
        times.add("select all ms", scenario.selectAll());
        times.add("clear ms", scenario.clearSelection());
    });
}
BENCHMARK(BM_StudioSelectAllAndClear)->Arg(10000)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_StudioDragStep(benchmark::State& state) {
    repeatOnOneWindow(state, [](StudioTest::StudioScenario& scenario, StepTimes& times) {
        times.add("drag step ms", scenario.dragStep());
    });
}
BENCHMARK(BM_StudioDragStep)->Arg(10000)->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_StudioDeleteAndUndo(benchmark::State& state) {
    repeatOnOneWindow(state, [](StudioTest::StudioScenario& scenario, StepTimes& times) {
        scenario.selectAll();
        times.add("delete ms", scenario.deleteAll());
        times.add("undo delete ms", scenario.undo());
    });
}
BENCHMARK(BM_StudioDeleteAndUndo)->Arg(10000)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_StudioMoveAllAndUndo(benchmark::State& state) {
    repeatOnOneWindow(state, [](StudioTest::StudioScenario& scenario, StepTimes& times) {
        times.add("move all ms", scenario.moveSelection());
        times.add("undo move ms", scenario.undo());
    });
}
BENCHMARK(BM_StudioMoveAllAndUndo)->Arg(10000)->Iterations(3)->Unit(benchmark::kMillisecond);

// Opening (untimed) and quitting.
void BM_StudioQuit(benchmark::State& state) {
    StepTimes times;
    for (auto _ : state) {
        state.PauseTiming();
        StudioTest::StudioScenario scenario(blocksOf(state));
        scenario.launch();
        state.ResumeTiming();
        times.add("quit ms", scenario.quit());
    }
    times.report(state);
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
