// The block-diagram studio application and its model explorer:
//  - expanding 1,000 subsystems in the model tree (the children, texts, icons and expanders
//    of each, with a studio application that knows none of their diagrams yet): goal under
//    100 ms, so path lookups must not read the full name of every known diagram;
//  - onTransactionCompleted for a commit touching about 10 elements (two subsystems deleted
//    with their diagrams, four blocks moved, one block made), and for its undo, in a model of
//    1,000 and of 100,000 blocks whose subsystem diagrams (one block in 100) the application
//    knows: the cost must not grow with the model (ratio at most 1.5).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "BenchGoal.h"
#include "dove2/QUILLCommand.h"
#include "dove2/UndoHistory.h"
#include "explorer/TreeControlDelegate.h"
#include "harbor/Studio.h"
#include "main/initialize.h"
#include "quill/Deviant.h"
#include "quill/ListenerBase.h"
#include "quill/ReportOfChanges.h"
#include "quill/Transaction.h"
#include "studio/StudioApp.h"
#include "support/QtTestApplication.h"
#include "vtquill/VTQuill.h"

namespace {

using Report = QUILL::ReportOfChanges<QUILL::ImmutableClassObject, QUILL::TRUE_TYPE>;

// A new model of `blocks` blocks in its top-level diagram, one in `subsystemEvery` of them a
// subsystem with one inner subsystem; built in one transaction.
VTQUILL::Model buildModel(const std::string& name, int blocks, int subsystemEvery) {
    VTQUILL::Model model = VTQUILL::Factory::createNewModel(name);
    const VTQUILL::Diagram top = model.getDiagrams().front();
    QUILL::Transaction transaction(model);
    for (int i = 0; i < blocks; ++i) {
        const bool subsystem = i % subsystemEvery == 0;
        const VTQUILL::Block block =
            top.addBlock(subsystem ? "Subsystem" : "Gain", "b" + std::to_string(i));
        block.setPosition({static_cast<double>(i % 100) * 60, static_cast<double>(i / 100) * 50});
        block.setSize({40, 30});
        if (subsystem)
            block.addSubsystemDiagram().addBlock("Subsystem", "inner").addSubsystemDiagram();
    }
    transaction.commit();
    return model;
}

// A studio whose application is the block-diagram studio application; not started (the
// tree delegate and the lookups need no window).
struct BareStudio {
    BareStudio() { studio.setApp(PARR::Holder<HARBOR::Application>(app.get())); }
    HARBOR::Studio studio;
    PARR::Holder<Vantor::StudioApp> app{new Vantor::StudioApp()};
};

void BM_ExpandSubsystemsInTree(benchmark::State& state) {
    TestSupport::qtApplication();
    initialize_vt_editor();
    const int subsystems = static_cast<int>(state.range(0));
    VTQUILL::Model model = buildModel("expanded", subsystems, 1);
    const std::vector<VTQUILL::Block> blocks = [&] {
        std::vector<VTQUILL::Block> all;
        for (const VTQUILL::Block& block : model.getDiagrams().front().getBlocks())
            all.push_back(block);
        return all;
    }();
    std::size_t shown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto fresh = std::make_unique<BareStudio>();
        Vantor::TreeControlDelegate delegate(&fresh->studio);
        state.ResumeTiming();
        std::vector<QUILL::ImmutableClassObject> children;
        std::string text;
        shown = 0;
        for (const VTQUILL::Block& block : blocks) {
            delegate.getChildrenOf(block, children);
            for (const QUILL::ImmutableClassObject& child : children) {
                delegate.describeElement(text, child, 0);
                delegate.getIconOf(text, child);
                delegate.hasChildren(child);
            }
            shown += children.size();
        }
        state.PauseTiming();
        fresh.reset();
        state.ResumeTiming();
    }
    if (shown != blocks.size())
        state.SkipWithError("a subsystem did not show its inner subsystem");
    state.counters["subsystems"] = static_cast<double>(subsystems);
    model.close();
}
BENCHMARK(BM_ExpandSubsystemsInTree)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(5);

// Keeps the report of each commit on a model's root.
class ReportRecorder : public QUILL::ListenerBase {
public:
    explicit ReportRecorder(QUILL::Deviant& root) { root.registerModifierOnCommit(this); }
    void onCommit(const QUILL::ReportOfChanges<>& report) override { reports.push_back(report); }
    std::vector<Report> reports;
};

// The commit timed: two known subsystems deleted with their diagrams, four blocks moved, one
// block made; recorded with its undo.
std::vector<Report> recordCommitAndUndo(const VTQUILL::Model& model) {
    ReportRecorder recorder(model.getDeviant().getRootDeviant());
    PARR::Holder<DOVE2::QUILLCommand> command(new DOVE2::QUILLCommand(model, "Edit"));
    command->addAction([](const QUILL::Model& instance, PARR::ErrorHolder&) {
        const VTQUILL::Diagram top = VTQUILL::Model(instance).getDiagrams().front();
        std::vector<VTQUILL::Block> blocks;
        for (const VTQUILL::Block& block : top.getBlocks()) {
            blocks.push_back(block);
            if (blocks.size() == 401)
                break;
        }
        blocks[0].destroy();
        blocks[100].destroy();
        for (int i = 1; i <= 4; ++i)
            blocks[i].setPosition(blocks[i].getPosition() + PARR::GLPoint<double>(10, 0));
        top.addBlock("Gain", "made");
    });
    const auto history = DOVE2::UndoHistory::forModel(model);
    PARR::ErrorHolder errors;
    if (!history->process(command, errors) || !history->undo(errors))
        return {};
    return recorder.reports;
}

void BM_TransactionCompleted(benchmark::State& state) {
    initialize_vt_editor();
    const int blocks = static_cast<int>(state.range(0));
    VTQUILL::Model model = buildModel("committed" + std::to_string(blocks), blocks, 100);
    BareStudio studio;
    for (const VTQUILL::Block& block : model.getDiagrams().front().getBlocks()) {
        if (block.isSubsystem())
            studio.app->onDiagramOpened(block.getSubsystemDiagram());
    }
    const std::vector<Report> reports = recordCommitAndUndo(model);
    if (reports.size() != 2) {
        state.SkipWithError("the commit or its undo failed");
        return;
    }
    for (auto _ : state) {
        studio.app->onTransactionCompleted(reports[0]);
        studio.app->onTransactionCompleted(reports[1]);
    }
    state.counters["touched"] =
        static_cast<double>(reports[0].getCreated().size() + reports[0].getModified().size() +
                            reports[0].getDeleted().size());
    model.close();
}
BENCHMARK(BM_TransactionCompleted)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The goals above, for the summary of `./dev bench`.
[[maybe_unused]] const bool kGoals =
    BenchGoal::timeBelow("Expand 1,000 subsystems in the tree",
                         "BM_ExpandSubsystemsInTree/1000/iterations:5", 100, "ms") &&
    BenchGoal::ratioAtMost("onTransactionCompleted, 10 elements touched: 100,000 / 1,000 blocks",
                           "BM_TransactionCompleted/100000", "BM_TransactionCompleted/1000", 1.5);

}  // namespace

BENCHMARK_MAIN();
