// Copy and paste through the block-diagram editor's clipboard adapter, on a generated diagram
// of 1,000 blocks with their lines: every block and segment selected, then one copy, one
// paste (an undoable "Paste" command whose elements end up selected) and the paste's undo per
// iteration. Goal: under 100 ms, undo included.
#include <benchmark/benchmark.h>

#include <cstddef>

#include "BenchGoal.h"
#include "dove2/Editor.h"
#include "studio/ClipboardAdapter.h"
#include "support/ModuleEditor.h"
#include "support/QtTestApplication.h"
#include "vtquill/InitializeDatamodel.h"
#include "vtquill/VTQuill.h"
#include "vtquill/file/ModelGenerator.h"

namespace {

constexpr std::size_t kBlocks = 1000;

// A generated model in a module editor, with every block and segment selected.
struct SelectedDiagram {
    SelectedDiagram()
        : model((TestSupport::qtApplication(), initialize_vt_datamodel(),
                 VTQUILL::File::ModelGenerator::generate("clipboard", kBlocks, 11))),
          diagram(model.getDiagrams().front()),
          view(diagram) {
        for (const VTQUILL::Block& block : diagram.getBlocks())
            view.editor().select(block, true);
        for (const VTQUILL::Line& line : diagram.getLines()) {
            for (const VTQUILL::Segment& segment : line.getSegments())
                view.editor().select(segment, true);
        }
    }
    ~SelectedDiagram() { model.close(); }

    Vantor::ClipboardAdapter& adapter() const {
        return dynamic_cast<Vantor::ClipboardAdapter&>(*view.editor().getClipboardAdapter());
    }

    VTQUILL::Model model;
    VTQUILL::Diagram diagram;
    TestSupport::ModuleEditor view;
};

void BM_CopyPasteUndo(benchmark::State& state) {
    SelectedDiagram open;
    const std::size_t blocks = open.diagram.getBlocks().size();
    state.counters["blocks"] = static_cast<double>(blocks);
    state.counters["lines"] = static_cast<double>(open.diagram.getLines().size());
    for (auto _ : state) {
        open.adapter().copy();
        open.adapter().paste(nullptr);
        if (open.diagram.getBlocks().size() != 2 * blocks) {
            state.SkipWithError("the paste did not double the blocks");
            return;
        }
        open.view.editor().undo();
        // The paste selected its elements; the next copy takes the originals again.
        state.PauseTiming();
        for (const VTQUILL::Block& block : open.diagram.getBlocks())
            open.view.editor().select(block, true);
        for (const VTQUILL::Line& line : open.diagram.getLines()) {
            for (const VTQUILL::Segment& segment : line.getSegments())
                open.view.editor().select(segment, true);
        }
        state.ResumeTiming();
    }
    if (open.diagram.getBlocks().size() != blocks)
        state.SkipWithError("the undo did not take the pasted blocks away");
}
BENCHMARK(BM_CopyPasteUndo)->Unit(benchmark::kMillisecond)->MinTime(1.0);

[[maybe_unused]] const bool kGoals =
    BenchGoal::timeBelow("copy and paste 1,000 blocks with their lines, undo included",
                         "BM_CopyPasteUndo/min_time:1.000", 100, "ms");

}  // namespace

BENCHMARK_MAIN();
