// Opening a block-diagram editor through the module (its domain, a Vantor::Editor, a glyph of
// the module for every block, port, segment and joint) on generated diagrams of 1,000 and
// 10,000 blocks with their lines. Goal: under 0.5 s at 10,000 blocks, and a cost per element
// at 10,000 blocks at most 1.3 times the cost per element at 1,000 (printed as "per element"
// in microseconds; compare the two rows).
#include <benchmark/benchmark.h>

#include "dove2/Graphics.h"
#include "support/ModuleEditor.h"
#include "vtquill/InitializeDatamodel.h"
#include "vtquill/VTQuill.h"
#include "vtquill/file/ModelGenerator.h"

namespace {

void BM_OpenModuleEditor(benchmark::State& state) {
    initialize_vt_datamodel();
    VTQUILL::Model model = VTQUILL::File::ModelGenerator::generate(
        "generated", static_cast<std::size_t>(state.range(0)), 7);
    const DOVE2::Diagram diagram = model.getDiagrams().front();
    std::size_t glyphs = 0;
    for (auto _ : state) {
        TestSupport::ModuleEditor view(diagram);
        glyphs = view.graphics().glyphCount();
        benchmark::DoNotOptimize(glyphs);
    }
    model.close();
    state.counters["glyphs"] = static_cast<double>(glyphs);
    state.counters["per element us"] = benchmark::Counter(
        static_cast<double>(glyphs) * 1e-6,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_OpenModuleEditor)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
