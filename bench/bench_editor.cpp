// Editor costs on diagrams of growing size: opening an editor (a glyph per element), one live
// drag step of a selected block, one move command with its undo, and reading the selection
// after Select All. The drag step and the command should cost about the same on 10,000 blocks
// as on 100; opening grows with the diagram. Reading the selection grows with the selection
// only: its cost per selected element ("per element") at 10,000 blocks should be at most 5
// times the cost at 1,000 (the larger working set alone costs two to three times as much per
// element; a search of the list per element would make it 10 times), and the read of 10,000
// blocks with their lines should take under 10 ms.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "BenchGoal.h"
#include "dove2/Editor.h"
#include "dove2/Graphics.h"
#include "dove2/QUILLCommand.h"
#include "support/BlockDiagramBuilder.h"
#include "support/HeadlessEditor.h"
#include "vtquill/InitializeDatamodel.h"

namespace {

// A diagram of `blocks` blocks in a grid, each with an in and an out port, and a line
// between each neighbouring pair in a row.
struct GridDiagram {
    explicit GridDiagram(int blocks) {
        initialize_vt_datamodel();
        builder.edit([&] {
            VTQUILL::Port previousOut;
            for (int i = 0; i < blocks; ++i) {
                const double x = (i % 100) * 80.0;
                const double y = (i / 100) * 60.0;
                VTQUILL::Block block = builder.diagram().addBlock("Gain", "B" + std::to_string(i));
                block.setPosition({x, y});
                block.setSize({30, 30});
                VTQUILL::Port in = block.addPort(VTQUILL::kInPort, {0, 12}, 180);
                VTQUILL::Port out = block.addPort(VTQUILL::kOutPort, {30, 12}, 0);
                if (i % 100 != 0 && previousOut.isValid()) {
                    VTQUILL::Segment segment =
                        builder.diagram().addLine(VTQUILL::kSignalLine).addSegment();
                    segment.setSrcElement(previousOut);
                    segment.setDstElement(in);
                }
                if (i == 0)
                    first = block;
                previousOut = out;
            }
            return 0;
        });
    }
    TestSupport::BlockDiagramBuilder builder{"grid"};
    VTQUILL::Block first;
};

void BM_OpenEditor(benchmark::State& state) {
    GridDiagram grid(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TestSupport::HeadlessEditor view(grid.builder.diagram());
        benchmark::DoNotOptimize(view.graphics().glyphCount());
    }
    state.counters["elements"] = static_cast<double>(
        TestSupport::HeadlessEditor(grid.builder.diagram()).graphics().glyphCount());
}
BENCHMARK(BM_OpenEditor)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_DragStep(benchmark::State& state) {
    GridDiagram grid(static_cast<int>(state.range(0)));
    TestSupport::HeadlessEditor view(grid.builder.diagram());
    const auto centre = view.centreOf(grid.first);
    view.editor().select(grid.first);
    view.press(centre);
    view.move({centre.x + 5, centre.y});
    double dx = 5;
    for (auto _ : state) {
        dx = dx > 200 ? 5 : dx + 1;
        view.move({centre.x + dx, centre.y + 1});
    }
    view.release({centre.x + dx, centre.y + 1});
}
BENCHMARK(BM_DragStep)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_MoveCommandAndUndo(benchmark::State& state) {
    GridDiagram grid(static_cast<int>(state.range(0)));
    TestSupport::HeadlessEditor view(grid.builder.diagram());
    const QUILL::ImmutableClassObject block = grid.first;
    for (auto _ : state) {
        PARR::Holder<DOVE2::QUILLCommand> command(
            new DOVE2::QUILLCommand(grid.builder.model(), "Move"));
        command->addAction([block](const QUILL::Model& model, PARR::ErrorHolder&) {
            DOVE2::DiagramElement element(block.asDeviant(model));
            element.setPosition(element.getPosition() + PARR::GLPoint<double>{3, 0});
        });
        view.editor().processCommand(command);
        view.editor().undo();
    }
}
BENCHMARK(BM_MoveCommandAndUndo)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_GetSelectionAfterSelectAll(benchmark::State& state) {
    GridDiagram grid(static_cast<int>(state.range(0)));
    TestSupport::HeadlessEditor view(grid.builder.diagram());
    view.editor().selectAll();
    std::size_t selected = 0;
    for (auto _ : state) {
        selected = view.editor().getSelection().size();
        benchmark::DoNotOptimize(selected);
    }
    state.counters["selected"] = static_cast<double>(selected);
    state.counters["per element"] = benchmark::Counter(
        static_cast<double>(selected),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GetSelectionAfterSelectAll)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The goals above, for the summary of `./dev bench`.
[[maybe_unused]] const bool kGoals =
    BenchGoal::timeBelow("read the selection after Select All, 10,000 blocks",
                         "BM_GetSelectionAfterSelectAll/10000", 10, "ms") &&
    BenchGoal::ratioAtMost("selection read per element: 10,000 blocks over 1,000",
                           "BM_GetSelectionAfterSelectAll/10000",
                           "BM_GetSelectionAfterSelectAll/1000", 5, "per element");

}  // namespace

BENCHMARK_MAIN();
