#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <memory>
#include <set>
#include <string>

#include "BlockParameterDialog.h"
#include "ModelFileController.h"
#include "QtDialogService.h"
#include "StatusReporter.h"
#include "StudioWindow.h"
#include "app/studio/StudioTestSupport.h"
#include "dove2/Editor.h"
#include "dove2/QUILLCommand.h"
#include "dove2/UndoHistory.h"
#include "host/sim/SimModelBuilder.h"
#include "sim/ModelCompiler.h"
#include "sim/Simulator.h"
#include "simulation/DiagnosticsDock.h"
#include "simulation/DisplayValues.h"
#include "simulation/ScopeWindows.h"
#include "simulation/SimulationController.h"
#include "vtdove/DisplayedValues.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"

namespace {

using StudioTest::ScriptedPrompts;
using VantorStudio::OpenModel;
using VantorStudio::SimulationController;
using VantorStudio::StudioWindow;
using State = VTSIM::RunThread::State;

// Runs events until `done` holds or 20 s pass; whether it held.
template <class Condition>
bool waitFor(Condition done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 20000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// The final value of column `name` in a headless run of the model file at `path`.
double headlessFinalValue(const std::string& path, const std::string& name) {
    auto loaded = VTQUILL::File::ModelFileReader().load(path);
    EXPECT_TRUE(loaded.ok());
    auto compiled = VTSIM::ModelCompiler().compile(loaded.model);
    VTSIM::SimulationResults results(compiled->columnNames);
    VTSIM::Simulator(*compiled,
                     VTSIM::SimulationSettings::fromTexts(loaded.model.getSimulationSettings()),
                     results)
        .run();
    loaded.model.close();
    for (std::size_t c = 0; c < results.columnCount(); ++c) {
        if (results.columnNames()[c] == name)
            return results.value(c, results.size() - 1);
    }
    ADD_FAILURE() << "no column " << name;
    return NAN;
}

class SimulationWindowTest : public ::testing::Test {
protected:
    SimulationWindowTest() {
        StudioTest::qtApplication();
        window = std::make_unique<StudioWindow>(&prompts);
        window->show();
        StudioTest::processEvents();
    }
    ~SimulationWindowTest() override {
        window.reset();
        StudioTest::processEvents();
    }

    SimulationController& simulation() const { return window->simulation(); }
    bool runToTheEnd() {
        if (!simulation().run())
            return false;
        return waitFor([&] { return !simulation().isRunning(); });
    }
    // Saves a model built by `build` (with a SimModelBuilder) under `name` and opens it.
    template <class Build>
    void openBuilt(const std::string& name, Build build) {
        const std::string path = dir.filePath(QString::fromStdString(name + ".vtm")).toStdString();
        {
            SimTest::SimModelBuilder m(name);
            build(m);
            m.commit();
            VTQUILL::File::ModelFileWriter().save(m.model(), path);
        }
        window->files().openFile(path);
        StudioTest::processEvents();
    }
    // A model that runs until stopped: a sine integrated with rk4 steps of 1 ms up to 1e9 s.
    void openEndlessModel() {
        openBuilt("endless", [](SimTest::SimModelBuilder& m) {
            auto sine = m.add("Sine", "Wave");
            auto state = m.add("Integrator", "State");
            m.wire(sine, state);
            m.wire(state, m.add("Scope", "View"));
            m.model().setSimulationSettings(
                {{"stopTime", "1e9"}, {"solver", "rk4"}, {"fixedStep", "0.001"}});
        });
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<StudioWindow> window;
};

TEST_F(SimulationWindowTest, RunningPidLoopGivesTheEngineResultAndARerunKeepsTheLastOne) {
    const StudioTest::ExampleCopy example("pid_loop.vtm");
    window->files().openFile(example.path());
    StudioTest::processEvents();
    ASSERT_TRUE(runToTheEnd());
    EXPECT_EQ(simulation().lastState(), State::Finished);
    const auto first = simulation().results();
    ASSERT_TRUE(first && first->size() > 10);
    const std::size_t column = 0;
    ASSERT_EQ(first->columnNames()[column], "pid_loop/ErrorValue:1");
    EXPECT_EQ(first->columnNames()[1], "pid_loop/Response:1");
    // The scope opened with the run and plots the response to its final value.
    VantorStudio::ScopeWindow* scope = simulation().scopes().window("pid_loop/Response");
    ASSERT_TRUE(scope);
    EXPECT_TRUE(scope->isVisible());
    ASSERT_EQ(scope->axisCount(), 1);
    const std::vector<VantorStudio::PlotTrace> traces = scope->axis(0)->traces();
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_EQ(traces[0].results, first);
    const double response = headlessFinalValue(example.path(), "pid_loop/Response:1");
    EXPECT_EQ(traces[0].results->value(traces[0].column, first->size() - 1), response);
    EXPECT_GE(scope->axis(0)->timeRange().high, 10);
    EXPECT_TRUE(scope->axis(0)->valueRange().contains(response));
    // The Display shows the error's last value on the diagram.
    const VTQUILL::ImmutableBlock display =
        StudioTest::topLevelBlock(window->activeModel()->root, "ErrorValue");
    EXPECT_EQ(VTDove::DisplayedValues::instance().find(display),
              VantorStudio::DisplayValues::format({first->value(0, first->size() - 1)}, "short"));

    // The controller's P through its dialog, then a second run.
    auto& dialogs = window->dialogs();
    ASSERT_TRUE(dialogs.openParameterDialog("pid_loop/Controller"));
    VantorStudio::BlockParameterDialog* dialog = dialogs.dialogOf("pid_loop/Controller");
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(dialog->setFieldText("P", "6"));
    ASSERT_TRUE(dialog->apply());
    StudioTest::processEvents();
    ASSERT_TRUE(runToTheEnd());
    EXPECT_EQ(simulation().previousResults(), first);
    const auto second = simulation().results();
    EXPECT_NE(second->value(1, second->size() / 3), first->value(1, first->size() / 3));
    // Both runs are on the scope: the last one faded under the new one.
    ASSERT_EQ(scope->axis(0)->previousRunTraces().size(), 1u);
    EXPECT_EQ(scope->axis(0)->previousRunTraces()[0].results, first);
    EXPECT_EQ(scope->axis(0)->traces()[0].results, second);
}

TEST_F(SimulationWindowTest, AnAlgebraicLoopSelectsExactlyTheCycleItsBlocksAndLines) {
    openBuilt("loop", [](SimTest::SimModelBuilder& m) {
        auto sum = m.add("Sum", "Add", {{"Inputs", "++"}});
        auto gain = m.add("Gain", "Twice", {{"Gain", "2"}});
        m.wire(m.add("Constant", "One"), sum, 1, 1);
        m.wire(sum, gain);
        m.fan(gain, {{sum, 2}, {m.add("Scope", "View"), 1}});
    });
    EXPECT_FALSE(simulation().run());
    ASSERT_GE(simulation().diagnostics().count(), 1);
    EXPECT_TRUE(simulation().diagnostics().diagnostic(0).isError());
    DOVE2::Editor* editor = window->activeEditor();
    ASSERT_TRUE(editor);
    std::set<std::string> blocks;
    int segments = 0;
    for (const DOVE2::DiagramElement& e : editor->getSelection()) {
        const VTQUILL::ImmutableBlock block(e);
        if (block.isValid())
            blocks.insert(block.getName());
        else if (VTQUILL::ImmutableSegment(e).isValid())
            ++segments;
    }
    EXPECT_EQ(blocks, (std::set<std::string>{"Add", "Twice"}));
    // Add -> Twice, and the trunk and branch from Twice back to Add; not the branch to View.
    EXPECT_EQ(segments, 3);
}

TEST_F(SimulationWindowTest, StopMidRunKeepsWhatWasLoggedAndTheWindowAnswersMeanwhile) {
    openEndlessModel();
    ASSERT_TRUE(simulation().run());
    // The user-interface thread stays free: timers fire while the run goes.
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(5);
    ASSERT_TRUE(waitFor([&] { return ticks >= 10 && simulation().results()->size() > 1000; }));
    EXPECT_TRUE(simulation().isRunning());
    simulation().stopAction()->trigger();
    ASSERT_TRUE(waitFor([&] { return !simulation().isRunning(); }));
    const auto results = simulation().results();
    EXPECT_GT(results->size(), 1000u);
    EXPECT_LT(results->time(results->size() - 1), 1e9);
    EXPECT_NE(window->status().lastMessage().find("stopped"), std::string::npos);
}

TEST_F(SimulationWindowTest, EditingTheModelStopsItsRun) {
    openEndlessModel();
    ASSERT_TRUE(simulation().run());
    ASSERT_TRUE(waitFor([&] { return simulation().results()->size() > 100; }));
    OpenModel* model = window->activeModel();
    ASSERT_TRUE(model);
    PARR::Holder<DOVE2::QUILLCommand> add(new DOVE2::QUILLCommand(model->root, "Add Block"));
    add->addAction([](const QUILL::Model& instance, PARR::ErrorHolder&) {
        VTQUILL::Model(instance).getDiagrams().front().addBlock("Gain", "Extra");
    });
    PARR::ErrorHolder errors;
    ASSERT_TRUE(model->history->process(add, errors));
    ASSERT_TRUE(waitFor([&] { return !simulation().isRunning(); }));
    EXPECT_NE(window->status().lastMessage().find("model was edited"), std::string::npos)
        << window->status().lastMessage();
}

TEST_F(SimulationWindowTest, RunSettingsChangeAsOneUndoableStepThatDirtiesTheModel) {
    const StudioTest::ExampleCopy example("pid_loop.vtm");
    window->files().openFile(example.path());
    StudioTest::processEvents();
    OpenModel* model = window->activeModel();
    ASSERT_TRUE(model);
    const QUILL::StringMap before = model->root.getSimulationSettings();
    simulation().stopTimeField().setText("4");
    Q_EMIT simulation().stopTimeField().editingFinished();
    EXPECT_TRUE(model->isDirty());
    EXPECT_EQ(model->root.getSimulationSettings().front(),
              (std::pair<std::string, std::string>{"stopTime", "4"}));
    ASSERT_TRUE(runToTheEnd());
    EXPECT_EQ(simulation().results()->time(simulation().results()->size() - 1), 4);
    window->activeEditor()->undo();
    EXPECT_EQ(model->root.getSimulationSettings(), before);
    EXPECT_FALSE(model->isDirty());
    EXPECT_EQ(simulation().stopTimeField().text(), "10");
    // A value the model refuses changes nothing and says why.
    EXPECT_FALSE(simulation().applySettings({{"stopTime", "-1"}}));
    EXPECT_EQ(model->root.getSimulationSettings(), before);
}

}  // namespace
