// Repository costs: attribute reads through the root and a working copy, syncFromRoot against
// model size, a one-object commit, undo/redo of a large change set, memory per element.
#include <benchmark/benchmark.h>

#include "quill/Quill.h"

using namespace QUILL;

namespace {

// A typical diagram element: eight attributes of the kinds blocks and ports use.
struct ElementTypes {
    const Type& model;
    const Type& element;
    const Attribute& name;
    const Attribute& position;

    static const ElementTypes& get() {
        static const ElementTypes types = [] {
            auto& registry = TypeRegistry::instance();
            Type& model = registry.define("Bench.Model");
            Type& element = registry.define("Bench.Element");
            const Attribute& name = element.addAttribute("name", ValueKind::String);
            const Attribute& position = element.addAttribute("position", ValueKind::Point);
            element.addAttribute("size", ValueKind::Point);
            element.addAttribute("orientation", ValueKind::Double);
            element.addAttribute("type", ValueKind::String);
            element.addAttribute("route", ValueKind::Path);
            element.addAttribute("edge", ValueKind::Reference);
            element.addAttribute("masked", ValueKind::Bool);
            return ElementTypes{model, element, name, position};
        }();
        return types;
    }
};

struct BenchModel {
    Model root;
    std::vector<ClassObject> elements;

    explicit BenchModel(std::size_t count) : root(Model::create(ElementTypes::get().model)) {
        const auto& t = ElementTypes::get();
        Transaction tx(root);
        elements.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            ClassObject e = ClassObject::create(root, t.element, root.getModelObject());
            e.set(t.name, "Element " + std::to_string(i));
            e.set(t.position, PARR::GLPoint<double>(double(i % 100) * 50, double(i / 100) * 40));
            elements.push_back(e);
        }
        tx.commit();
    }
    ~BenchModel() { root.close(); }

    void moveElements(const Model& in, std::size_t count, double by) {
        const auto& t = ElementTypes::get();
        for (std::size_t i = 0; i < count; ++i) {
            ClassObject e = elements[i * (elements.size() / count)].asDeviant(in);
            e.set(t.position,
                  e.get<PARR::GLPoint<double>>(t.position) + PARR::GLPoint<double>(by, 0));
        }
    }
};

void BM_ReadAttributeThroughRoot(benchmark::State& state) {
    BenchModel m(10000);
    const auto& t = ElementTypes::get();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& e = m.elements[i++ % m.elements.size()];
        benchmark::DoNotOptimize(e.get<PARR::GLPoint<double>>(t.position));
    }
    state.counters["ns_per_read"] = benchmark::Counter(
        double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReadAttributeThroughRoot);

void BM_ReadAttributeThroughWorkingCopy(benchmark::State& state) {
    BenchModel m(10000);
    Model copy = m.root.createWorkingCopy();
    {
        Transaction tx(copy);  // a live preview: the copy overlays a few objects
        m.moveElements(copy, 10, 5);
        tx.commit();
    }
    std::vector<ClassObject> inCopy;
    for (const auto& e : m.elements)
        inCopy.push_back(e.asDeviant(copy));
    const auto& t = ElementTypes::get();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& e = inCopy[i++ % inCopy.size()];
        benchmark::DoNotOptimize(e.get<PARR::GLPoint<double>>(t.position));
    }
    state.counters["ns_per_read"] = benchmark::Counter(
        double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReadAttributeThroughWorkingCopy);

// Change 10 objects in a working copy, then drop the overlay. Arg: model size.
void BM_SyncFromRootAfterTenChanges(benchmark::State& state) {
    BenchModel m(static_cast<std::size_t>(state.range(0)));
    Model copy = m.root.createWorkingCopy();
    double by = 1;
    for (auto _ : state) {
        state.PauseTiming();
        {
            Transaction tx(copy);
            m.moveElements(copy, 10, by++);
            tx.commit();
        }
        state.ResumeTiming();
        copy.syncFromRoot();
    }
}
BENCHMARK(BM_SyncFromRootAfterTenChanges)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

struct CountingListener : ListenerBase {
    std::size_t heard = 0;
    void onCommit(const ReportOfChanges<>& r) override { heard += r.getModified().size(); }
};

void BM_CommitOneChangedObjectWithOneListener(benchmark::State& state) {
    BenchModel m(10000);
    CountingListener listener;
    m.root.registerModifierOnCommit(&listener);
    const auto& t = ElementTypes::get();
    double x = 0;
    for (auto _ : state) {
        Transaction tx(m.root);
        m.elements[42].set(t.position, PARR::GLPoint<double>(x++, 0));
        tx.commit();
    }
    benchmark::DoNotOptimize(listener.heard);
}
BENCHMARK(BM_CommitOneChangedObjectWithOneListener)->Unit(benchmark::kMicrosecond);

void BM_UndoRedoOfTenThousandObjects(benchmark::State& state) {
    BenchModel m(20000);
    std::shared_ptr<const ChangeSet> changes;
    {
        Transaction tx(m.root);
        m.moveElements(m.root, 10000, 3);
        changes = tx.commit();
    }
    for (auto _ : state) {
        Transaction undo(m.root);
        m.root.applyChanges(*changes, Deviant::Direction::Backward);
        undo.commit();
        Transaction redo(m.root);
        m.root.applyChanges(*changes, Deviant::Direction::Forward);
        redo.commit();
    }
    state.counters["objects"] = double(changes->size());
    state.counters["report_bytes_per_object"] =
        double(changes->memoryBytes()) / double(changes->size());
}
BENCHMARK(BM_UndoRedoOfTenThousandObjects)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
