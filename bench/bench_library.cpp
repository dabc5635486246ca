// The studio's block library (app/studio):
//  - opening the library dock with every block type's icon drawn by the engine: goal under
//    200 ms;
//  - adding one block from the library to a generated diagram of 10,000 blocks with their
//    lines, through a block-diagram editor of the module (its glyphs follow every change),
//    as the dock does it (one "Add Block" command, the new block selected), and undoing it:
//    goal under 5 ms; the same at 100 blocks for comparison.
#include <benchmark/benchmark.h>

#include <QStatusBar>

#include "BenchGoal.h"
#include "BlockPlacer.h"
#include "LibraryDock.h"
#include "StatusReporter.h"
#include "dove2/Editor.h"
#include "support/ModuleEditor.h"
#include "support/QtTestApplication.h"
#include "vtquill/InitializeDatamodel.h"
#include "vtquill/VTQuill.h"
#include "vtquill/file/ModelGenerator.h"

namespace {

void BM_OpenLibraryDock(benchmark::State& state) {
    TestSupport::qtApplication();
    initialize_vt_datamodel();
    QStatusBar bar;
    VantorStudio::StatusReporter status(bar);
    for (auto _ : state) {
        VantorStudio::LibraryDock dock([] { return nullptr; }, status);
        benchmark::DoNotOptimize(&dock);
    }
}
BENCHMARK(BM_OpenLibraryDock)->Unit(benchmark::kMillisecond);

// A generated model of `blocks` blocks and a module editor showing its top-level diagram.
struct OpenDiagram {
    explicit OpenDiagram(std::size_t blocks)
        : model((TestSupport::qtApplication(), initialize_vt_datamodel(),
                 VTQUILL::File::ModelGenerator::generate("generated", blocks, 7))),
          view(model.getDiagrams().front()) {}
    ~OpenDiagram() { model.close(); }

    VTQUILL::Model model;
    TestSupport::ModuleEditor view;
};

void BM_AddBlockAndUndo(benchmark::State& state) {
    OpenDiagram open(static_cast<std::size_t>(state.range(0)));
    DOVE2::Editor& editor = open.view.editor();
    const std::size_t before = open.model.getDiagrams().front().getBlocks().size();
    for (auto _ : state) {
        const VTQUILL::Block added = VantorStudio::BlockPlacer::addAt(editor, "Gain", {-200, -200});
        if (!added.isValid()) {
            state.SkipWithError("the block was not added");
            return;
        }
        editor.undo();
    }
    if (open.model.getDiagrams().front().getBlocks().size() != before)
        state.SkipWithError("the undo did not take the block away");
}
BENCHMARK(BM_AddBlockAndUndo)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The goals above, for the summary of `./dev bench`.
[[maybe_unused]] const bool kGoals =
    BenchGoal::timeBelow("library dock opened with every icon drawn", "BM_OpenLibraryDock", 200,
                         "ms") &&
    BenchGoal::timeBelow("Add Block and its undo, 10,000 blocks", "BM_AddBlockAndUndo/10000", 5,
                         "ms");

}  // namespace

BENCHMARK_MAIN();
