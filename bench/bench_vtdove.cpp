// Engine-side costs: creating and destroying library blocks with their ports in one
// transaction, with and without a graph listener told of every block. Compare the time per
// block at 10,000 blocks with the time per block at 100: the ratio should stay near 1.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "quill/Transaction.h"
#include "vtdove/BlockLibrary.h"
#include "vtdove/EngineHandles.h"
#include "vtdove/GraphListener.h"

namespace {

// Counts what it is told, so that delivery is not optimised away.
class CountingListener : public VTDove::GraphListener {
public:
    using GraphListener::GraphListener;
    void blockHasBeenAdded(vtBlock*) override { ++told; }
    void blockIsAboutToBeDeleted(vtBlock*) override { ++told; }
    long told = 0;
};

void createAndDestroy(const VTQUILL::Model& model, const VTQUILL::Diagram& diagram, int count) {
    const VTDove::BlockLibrary& library = VTDove::BlockLibrary::instance();
    std::vector<VTQUILL::Block> blocks;
    blocks.reserve(count);
    {
        QUILL::Transaction tx(model);
        for (int i = 0; i < count; ++i) {
            const PARR::GLPoint<double> at{double(i % 100) * 50, double(i / 100) * 50};
            blocks.push_back(
                library.instantiate(diagram, i % 2 ? "Gain" : "Sum", "B" + std::to_string(i), at));
        }
        tx.commit();
    }
    QUILL::Transaction tx(model);
    for (const VTQUILL::Block& b : blocks)
        b.destroy();
    tx.commit();
}

void BM_CreateAndDestroyBlocks(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const VTQUILL::Model model = VTQUILL::Factory::createNewModel("bench");
    const VTQUILL::Diagram diagram = model.getDiagrams().front();
    for (auto _ : state)
        createAndDestroy(model, diagram, count);
    state.SetItemsProcessed(state.iterations() * count);
    model.close();
}

void BM_CreateAndDestroyBlocksWithListener(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const VTQUILL::Model model = VTQUILL::Factory::createNewModel("bench");
    const VTQUILL::Diagram diagram = model.getDiagrams().front();
    CountingListener listener(VTQUILL::getVtGraph(diagram));
    for (auto _ : state)
        createAndDestroy(model, diagram, count);
    benchmark::DoNotOptimize(listener.told);
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["told"] = double(listener.told);
    listener.unregister();
    model.close();
}

}  // namespace

BENCHMARK(BM_CreateAndDestroyBlocks)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateAndDestroyBlocksWithListener)
    ->Arg(100)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
