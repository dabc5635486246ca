#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <QObject>

#include "sim/CompiledModel.h"
#include "sim/Diagnostic.h"
#include "sim/RunThread.h"
#include "sim/SimulationResults.h"
#include "sim/SimulationSettings.h"
#include "sim/Simulator.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QProgressBar;
class QTimer;
class QToolBar;

namespace DOVE2 {
class Editor;
class StudioApp;
}  // namespace DOVE2

namespace VantorStudio {

class DiagnosticsDock;
class DisplayValues;
class ScopeWindows;
class StatusReporter;
struct OpenModel;

// Runs models in the studio window: the Simulation menu and tool bar (Run F5, Pause/Continue,
// Stop Shift+F5, the stop time and the solver, Settings...), the run's progress in the status
// bar, the scopes' windows, the Display blocks' values and the Diagnostics dock.
//
// A run compiles the active model on the user-interface thread (a compile error lands in the
// Diagnostics dock and is shown on the diagram), then steps on a worker thread (RunThread);
// a timer on the user-interface thread follows it about 30 times a second: progress, scope
// traces, Display values. The window never waits for the run.
//
// Editing the model while it runs stops the run (what it logged stays in the scopes): the run
// works on the compiled copy, and a run that went on would show results of a model that no
// longer exists. The status bar says so.
//
// The run settings are the model's own (its file's "simulation" member); changing them from
// the tool bar or the Settings dialog is one undoable command of the model's editor.
class SimulationController : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<OpenModel*()> activeModel;         // the model Run runs; null: none
        std::function<DOVE2::Editor*()> activeEditor;    // runs the settings commands
        std::function<DOVE2::StudioApp*()> application;  // opens diagrams for diagnostics
    };

    // Adds its tool bar, status-bar widgets and dock to `window`; `status` and `window` must
    // outlive the controller, which goes before the models it ran close.
    SimulationController(QMainWindow& window, StatusReporter& status, Hooks hooks);
    // Stops a run still going and waits for it.
    ~SimulationController() override;

    // Fills the Simulation menu.
    void addActionsTo(QMenu& menu) const;

    // Compiles and starts the active model. False when there is none, a run goes on already,
    // or the compile failed (its diagnostics shown).
    bool run();
    void togglePause();
    void stop();
    // Simulation > Settings...: the dialog, then the command when the settings changed.
    void editSettings();
    // Replaces the active model's settings (one undoable command); false with the reason in
    // the status bar when the model refuses them or no editor shows the model.
    bool applySettings(const QUILL::StringMap& settings);

    bool isRunning() const { return running_; }
    // Blocks until the run's worker has ended (not its handling on this thread).
    void waitForWorker() { thread_.wait(); }
    // The state the last run ended in (Idle before the first).
    VTSIM::RunThread::State lastState() const { return lastState_; }
    // How long the last run's stepping took on its worker, in seconds (compile not counted).
    double lastRunSeconds();
    // The results of the last run and the one before it; null before them.
    std::shared_ptr<const VTSIM::SimulationResults> results() const { return results_; }
    std::shared_ptr<const VTSIM::SimulationResults> previousResults() const { return previous_; }

    // Told by the window whenever a model's undo history changed, and before a model closes.
    void modelChanged(const OpenModel& model);
    void modelClosing(const OpenModel& model);

    // Opens (or raises) the window of the Scope block at `path`, with `inputPorts` plots until
    // a run shows what it logs.
    void openScope(const std::string& path, int inputPorts);

    QAction* runAction() const { return run_; }
    QAction* pauseAction() const { return pause_; }
    QAction* stopAction() const { return stop_; }
    QAction* settingsAction() const { return settings_; }
    QLineEdit& stopTimeField() const { return *stopTime_; }
    QComboBox& solverBox() const { return *solver_; }
    DiagnosticsDock& diagnostics() const { return *dock_; }
    ScopeWindows& scopes() const { return *scopes_; }
    // Shows the last error's blocks (what clicking it in the dock does).
    void locate(const VTSIM::Diagnostic& diagnostic);
    // Brings the tool bar's fields up to the active model's settings.
    void refreshSettingsFields();

private:
    void buildActions();
    void buildToolBar(QMainWindow& window);
    void buildStatusWidgets(QMainWindow& window);
    void setRunningState(bool running);
    void poll();
    void onRunEnded();
    void reportCompileError(const VTSIM::SimulationError& error);
    void showDiagnostics(const std::vector<VTSIM::Diagnostic>& diagnostics);
    void onStopTimeEdited();
    void onSolverChosen();
    // The model's settings with `key` set to `value` (removed when empty).
    static QUILL::StringMap withSetting(QUILL::StringMap settings, const std::string& key,
                                        const std::string& value);

    StatusReporter& status_;
    Hooks hooks_;
    QAction* run_ = nullptr;
    QAction* pause_ = nullptr;
    QAction* stop_ = nullptr;
    QAction* settings_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLineEdit* stopTime_ = nullptr;
    QComboBox* solver_ = nullptr;
    QLabel* progressLabel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QTimer* timer_ = nullptr;
    DiagnosticsDock* dock_ = nullptr;
    std::unique_ptr<ScopeWindows> scopes_;
    std::unique_ptr<DisplayValues> displays_;

    VTSIM::RunThread thread_;
    bool running_ = false;
    VTSIM::RunThread::State lastState_ = VTSIM::RunThread::State::Idle;
    // The run under way, or the last one.
    const OpenModel* runModel_ = nullptr;
    std::size_t historyCount_ = 0, historyIndex_ = 0;
    std::shared_ptr<VTSIM::CompiledModel> compiled_;
    std::shared_ptr<const VTSIM::SimulationResults> results_, previous_;
    VTSIM::SimulationSettings runSettings_;
    std::chrono::steady_clock::time_point started_;
    bool stoppedByEdit_ = false;
    // Written by the worker when the run fails, read after it ended.
    std::mutex outcomeMutex_;
    std::vector<VTSIM::Diagnostic> runDiagnostics_;
    VTSIM::RunOutcome outcome_;
    double runSeconds_ = 0;
};

}  // namespace VantorStudio
