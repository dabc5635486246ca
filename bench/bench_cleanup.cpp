// Line clean-up and element deletion. cleanupLine runs after every line edit, so a line with
// 50 branches should clean up in well under 20 µs. Deleting 1,000 blocks with their lines from
// a 10,000-block model should stay under 10 ms. Deleting one block costs what its own lines
// cost: compare DeleteOneBlock at 100,000 blocks with 1,000 blocks, the ratio should stay
// within 1.5.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchGoal.h"
#include "application/Application.h"
#include "quill/Transaction.h"
#include "vtdove/BlockLibrary.h"
#include "vtquill/VTQuill.h"

namespace {

using Point = PARR::GLPoint<double>;

// A model with one diagram, closed when it goes out of scope.
struct BenchModel {
    BenchModel()
        : model(VTQUILL::Factory::createNewModel("bench")), diagram(model.getDiagrams().front()) {}
    ~BenchModel() { model.close(); }
    VTQUILL::Model model;
    VTQUILL::Diagram diagram;
};

VTQUILL::Port portOfKind(const VTQUILL::Block& block, const std::string& kind) {
    for (const VTQUILL::Port& port : block.getContained()) {
        if (port.getType() == kind)
            return port;
    }
    return VTQUILL::Port();
}

// A trunk running east through `branches` joints, each with a branch north to a port.
VTQUILL::Line buildBranchedLine(BenchModel& m, int branches) {
    const VTQUILL::Line line = m.diagram.addLine(VTQUILL::kSignalLine);
    const VTQUILL::Block source = m.diagram.addBlock("Gain", "source");
    QUILL::ClassObject previous = source.addPort(VTQUILL::kOutPort, {0, 0}, 0);
    source.setPosition({-50, 0});
    for (int i = 0; i < branches; ++i) {
        const VTQUILL::SolderJoint joint = line.addSolderJoint({20.0 * i, 0});
        VTQUILL::Segment trunk = line.addSegment();
        trunk.setSrcElement(previous);
        trunk.setDstElement(joint);
        const VTQUILL::Block sink = m.diagram.addBlock("Gain", "sink" + std::to_string(i));
        sink.setPosition({20.0 * i, -50});
        const VTQUILL::Segment branch = line.addSegment();
        branch.setSrcElement(joint);
        branch.setDstElement(sink.addPort(VTQUILL::kInPort, {0, 0}, 270));
        previous = joint;
    }
    const VTQUILL::Block last = m.diagram.addBlock("Gain", "last");
    last.setPosition({20.0 * branches + 50, 0});
    const VTQUILL::Segment end = line.addSegment();
    end.setSrcElement(previous);
    end.setDstElement(last.addPort(VTQUILL::kInPort, {0, 0}, 180));
    return line;
}

void BM_CleanupLineWith50Branches(benchmark::State& state) {
    BenchModel m;
    QUILL::Transaction tx(m.model);
    const VTQUILL::Line line = buildBranchedLine(m, 50);
    Vantor::Application::cleanupLine(line);
    for (auto _ : state)
        Vantor::Application::cleanupLine(line);
    state.counters["segments"] = double(line.getSegments().size());
}
BENCHMARK(BM_CleanupLineWith50Branches)->Unit(benchmark::kMicrosecond);

// `count` library blocks in rows, each fed by a line from the previous block's output.
std::vector<VTQUILL::Block> buildChain(BenchModel& m, int count) {
    const VTDove::BlockLibrary& library = VTDove::BlockLibrary::instance();
    std::vector<VTQUILL::Block> blocks;
    blocks.reserve(count);
    QUILL::Transaction tx(m.model);
    for (int i = 0; i < count; ++i) {
        const Point at{double(i % 100) * 60, double(i / 100) * 60};
        blocks.push_back(library.instantiate(m.diagram, "Gain", "B" + std::to_string(i), at));
        if (i == 0)
            continue;
        const VTQUILL::Line line = m.diagram.addLine(VTQUILL::kSignalLine);
        const VTQUILL::Segment s = line.addSegment();
        s.setSrcElement(portOfKind(blocks[i - 1], VTQUILL::kOutPort));
        s.setDstElement(portOfKind(blocks[i], VTQUILL::kInPort));
    }
    tx.commit();
    return blocks;
}

// Deletes the blocks in a transaction that is rolled back (untimed) after each run.
void deleteRepeatedly(benchmark::State& state, BenchModel& m,
                      const PARR::GSet<DOVE2::DiagramElement>& doomed) {
    for (auto _ : state) {
        QUILL::Transaction tx(m.model);
        Vantor::Application::deleteElements(doomed);
        state.PauseTiming();
        tx.rollback();
        state.ResumeTiming();
    }
}

void BM_DeleteThousandBlocksOfTenThousand(benchmark::State& state) {
    BenchModel m;
    const std::vector<VTQUILL::Block> blocks = buildChain(m, 10000);
    PARR::GSet<DOVE2::DiagramElement> doomed;
    for (std::size_t i = 0; i < blocks.size(); i += 10)
        doomed.insert(blocks[i]);
    deleteRepeatedly(state, m, doomed);
}
BENCHMARK(BM_DeleteThousandBlocksOfTenThousand)->Unit(benchmark::kMillisecond);

void BM_DeleteOneBlock(benchmark::State& state) {
    BenchModel m;
    const std::vector<VTQUILL::Block> blocks = buildChain(m, int(state.range(0)));
    const PARR::GSet<DOVE2::DiagramElement> doomed{blocks[blocks.size() / 2]};
    deleteRepeatedly(state, m, doomed);
}
BENCHMARK(BM_DeleteOneBlock)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The goals above, for the summary of `./dev bench`.
[[maybe_unused]] const bool kGoals =
    BenchGoal::timeBelow("line clean-up, 50 branches", "BM_CleanupLineWith50Branches", 20, "us") &&
    BenchGoal::timeBelow("delete 1,000 of 10,000 blocks", "BM_DeleteThousandBlocksOfTenThousand",
                         10, "ms") &&
    BenchGoal::ratioAtMost("delete one block: 100,000 blocks over 1,000",
                           "BM_DeleteOneBlock/100000", "BM_DeleteOneBlock/1000", 1.5);

}  // namespace

BENCHMARK_MAIN();
