// Opening a block-diagram editor through the module (its domain, a Vantor::Editor, a glyph of
// the module for every block, port, segment and joint) on generated diagrams of 1,000 and
// 10,000 blocks with their lines. Only the opening is timed; closing happens with the timer
// paused. Goals: under 0.5 s at 10,000 blocks, and a cost per glyph ("per glyph") at 10,000
// blocks at most 1.3 times the cost per glyph at 1,000.
#include <benchmark/benchmark.h>

#include "BenchGoal.h"
#include "dove2/Graphics.h"
#include "main/initialize.h"
#include "studio/Editor.h"
#include "support/RunningStudio.h"
#include "vtquill/InitializeDatamodel.h"
#include "vtquill/VTQuill.h"
#include "vtquill/file/ModelGenerator.h"

namespace {

void BM_OpenModuleEditor(benchmark::State& state) {
    initialize_vt_datamodel();
    initialize_vt_editor();
    VTQUILL::Model model = VTQUILL::File::ModelGenerator::generate(
        "generated", static_cast<std::size_t>(state.range(0)), 7);
    const DOVE2::Diagram diagram = model.getDiagrams().front();
    std::size_t glyphs = 0;
    {
        TestSupport::RunningStudio<> running;
        for (auto _ : state) {
            PARR::ErrorHolder errors;
            DOVE2::Editor* editor = running.app().openEditor(diagram, errors);
            if (!dynamic_cast<Vantor::Editor*>(editor)) {
                state.SkipWithError(("no block-diagram editor: " + errors.message()).c_str());
                break;
            }
            glyphs = editor->getGraphics()->glyphCount();
            state.PauseTiming();
            running.app().closeEditor(editor, errors);
            state.ResumeTiming();
        }
    }
    model.close();
    state.counters["glyphs"] = static_cast<double>(glyphs);
    state.counters["per glyph"] = benchmark::Counter(
        static_cast<double>(glyphs),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_OpenModuleEditor)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The goals above, for the summary of `./dev bench`.
[[maybe_unused]] const bool kGoals =
    BenchGoal::timeBelow("open a module editor, 10,000 blocks",
                         "BM_OpenModuleEditor/10000/real_time", 0.5, "s") &&
    BenchGoal::ratioAtMost("open a module editor, per glyph: 10,000 blocks over 1,000",
                           "BM_OpenModuleEditor/10000/real_time",
                           "BM_OpenModuleEditor/1000/real_time", 1.3, "per glyph");

}  // namespace

BENCHMARK_MAIN();
