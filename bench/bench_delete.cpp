// Deleting from a generated diagram of 10,000 blocks with their lines, through a block-diagram
// editor of the module (its glyphs follow every change) with the delete command and the
// editor's undo:
//  - one selected block with two lines, command plus undo: goal under 1 ms;
//  - every element of the diagram (Select All, then Delete): goal under 0.5 s, and its undo
//    under 0.5 s.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "BenchGoal.h"
#include "dove2/Editor.h"
#include "support/ModuleEditor.h"
#include "support/QtTestApplication.h"
#include "tools/DeleteCommand.h"
#include "vtquill/InitializeDatamodel.h"
#include "vtquill/VTQuill.h"
#include "vtquill/file/ModelGenerator.h"

namespace {

constexpr std::size_t kBlocks = 10000;

// A generated model and a module editor showing its top-level diagram (block glyphs draw
// text, so the Qt application comes first).
struct OpenDiagram {
    OpenDiagram()
        : model((TestSupport::qtApplication(), initialize_vt_datamodel(),
                 VTQUILL::File::ModelGenerator::generate("generated", kBlocks, 7))),
          diagram(model.getDiagrams().front()),
          view(diagram) {}
    ~OpenDiagram() { model.close(); }

    // A top-level block whose ports hold exactly two segments; empty when there is none.
    VTQUILL::Block blockWithTwoLines() const {
        for (const VTQUILL::Block& block : diagram.getBlocks()) {
            std::size_t segments = 0;
            for (const VTQUILL::Port& port : block.getContained())
                segments += port.getEdge().isValid() ? 1 : 0;
            if (segments == 2)
                return block;
        }
        return {};
    }

    // The editor's selection. A deletion drops the selection, and its undo does not bring it
    // back: each run deletes what was selected at the start.
    std::vector<DOVE2::DiagramElement> selection() const {
        return view.editor().getSelection().toStdVector();
    }
    // A new delete command on the root for `elements`, as the delete tool builds it.
    PARR::Holder<Vantor::DeleteCommand> deleteCommand(
        const std::vector<DOVE2::DiagramElement>& elements) const {
        const QUILL::Model root = view.editor().getRootDeviant();
        PARR::Holder<Vantor::DeleteCommand> command(new Vantor::DeleteCommand(root, "Delete"));
        for (const DOVE2::DiagramElement& element : elements)
            command->addElement(DOVE2::DiagramElement(element.asDeviant(root)));
        return command;
    }

    VTQUILL::Model model;
    VTQUILL::Diagram diagram;
    TestSupport::ModuleEditor view;
};

void BM_DeleteOneBlockAndUndo(benchmark::State& state) {
    OpenDiagram open;
    const VTQUILL::Block block = open.blockWithTwoLines();
    if (!block.isValid() || !open.view.editor().select(block)) {
        state.SkipWithError("no selectable block with two lines");
        return;
    }
    const std::vector<DOVE2::DiagramElement> selected = open.selection();
    open.view.editor().processCommand(open.deleteCommand(selected));
    if (block.isValid()) {
        state.SkipWithError("the command did not delete the block");
        return;
    }
    open.view.editor().undo();
    for (auto _ : state) {
        open.view.editor().processCommand(open.deleteCommand(selected));
        open.view.editor().undo();
    }
    if (!block.isValid())
        state.SkipWithError("the undo did not bring the block back");
}
BENCHMARK(BM_DeleteOneBlockAndUndo)->Unit(benchmark::kMicrosecond)->MinTime(0.5);

enum class Half { Delete, Undo };

// Times either the deletion of `elements` or its undo; the other half runs untimed.
void deleteAndUndo(benchmark::State& state, OpenDiagram& open,
                   const std::vector<DOVE2::DiagramElement>& elements, Half timed) {
    DOVE2::Editor& editor = open.view.editor();
    state.counters["deleted"] = static_cast<double>(elements.size());
    state.counters["blocks"] = static_cast<double>(open.diagram.getBlocks().size());
    state.counters["lines"] = static_cast<double>(open.diagram.getLines().size());
    for (auto _ : state) {
        if (timed == Half::Undo)
            state.PauseTiming();
        editor.processCommand(open.deleteCommand(elements));
        if (timed == Half::Undo)
            state.ResumeTiming();
        else
            state.PauseTiming();
        editor.undo();
        if (timed == Half::Delete)
            state.ResumeTiming();
    }
    if (open.diagram.getBlocks().empty())
        state.SkipWithError("the undo did not bring the blocks back");
}

// What the user selects with Select All: every element of the diagram (blocks, annotations
// and the segments of every line), so the delete leaves an empty diagram.
void selectAllAndDelete(benchmark::State& state, Half timed) {
    OpenDiagram open;
    open.view.editor().selectAll();
    deleteAndUndo(state, open, open.selection(), timed);
}

void BM_SelectAllDelete(benchmark::State& state) {
    selectAllAndDelete(state, Half::Delete);
}
BENCHMARK(BM_SelectAllDelete)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SelectAllDeleteUndo(benchmark::State& state) {
    selectAllAndDelete(state, Half::Undo);
}
BENCHMARK(BM_SelectAllDeleteUndo)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every block and every segment at once: each line loses all its segments and goes, which
// runs the line repair over every line of the diagram.
void BM_DeleteBlocksAndSegments(benchmark::State& state) {
    OpenDiagram open;
    std::vector<DOVE2::DiagramElement> everything;
    for (const VTQUILL::Block& block : open.diagram.getBlocks())
        everything.emplace_back(block);
    for (const VTQUILL::Line& line : open.diagram.getLines()) {
        for (const VTQUILL::Segment& segment : line.getSegments())
            everything.emplace_back(segment);
    }
    deleteAndUndo(state, open, everything, Half::Delete);
}
BENCHMARK(BM_DeleteBlocksAndSegments)->Unit(benchmark::kMillisecond)->Iterations(3);

// The goals above, for the summary of `./dev bench`.
[[maybe_unused]] const bool kGoals =
    BenchGoal::timeBelow("delete one block with two lines and undo, 10,000 blocks",
                         "BM_DeleteOneBlockAndUndo/min_time:0.500", 1, "ms") &&
    BenchGoal::timeBelow("Select All + Delete, 10,000 blocks", "BM_SelectAllDelete/iterations:3",
                         0.5, "s") &&
    BenchGoal::timeBelow("undo of Select All + Delete, 10,000 blocks",
                         "BM_SelectAllDeleteUndo/iterations:3", 0.5, "s");

}  // namespace

BENCHMARK_MAIN();
